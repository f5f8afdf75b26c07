#pragma once

#include "animatedpicture.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class QCheckBox;
class QLabel;
class Prompter;
class QListWidget;
class QSlider;

// The dialog "Import Animation": the frames of an animated picture as the threshold makes dots
// of them, following the threshold slider as it moves, before they become an animation; each
// frame's time, and what a GIF delay of 0 or 1 hundredths becomes.
class GifImportDialog : public QDialog
{
    Q_OBJECT

public:
    GifImportDialog(const AnimatedPicture::Picture &picture, const QString &source,
                    QWidget *parent = nullptr);

    QList<Frame> frames() const;
    QSlider *thresholdSlider() const { return m_slider; }
    QCheckBox *lightIsLitBox() const { return m_lightIsLit; }
    QPixmap preview() const;
    QListWidget *timeList() const { return m_times; }
    // What the dialog says about delays of 0 and 1 hundredths; empty when there are none.
    QLabel *delayNote() const { return m_delayNote; }

    // Nothing when the user cancelled.
    static std::optional<QList<Frame>> run(Prompter &prompter, QWidget *parent,
                                           const AnimatedPicture::Picture &picture,
                                           const QString &source);

private:
    void updatePreview();

    const AnimatedPicture::Picture &m_picture;
    QSlider *m_slider = nullptr;
    QCheckBox *m_lightIsLit = nullptr;
    QLabel *m_preview = nullptr;
    QListWidget *m_times = nullptr;
    QLabel *m_delayNote = nullptr;
};
