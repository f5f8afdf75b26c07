#pragma once

#include "textframes.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class QComboBox;
class QDialogButtonBox;
class Prompter;
class QFontComboBox;
class QLabel;
class Prompter;
class QLineEdit;
class QSlider;
class Prompter;
class QSpinBox;

// The dialog "Text to Frames": a text in any installed font, drawn without smoothing at a size
// and threshold the user moves while seeing the result, scrolled one dot a frame in a direction
// at a frame time of the user's choice. It says how many frames the text takes before OK, and
// OK waits until there is a text that fits in an animation.
class TextFramesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TextFramesDialog(QWidget *parent = nullptr);

    QString text() const;
    TextFrames::Options options() const;
    QList<Frame> frames() const;
    QLineEdit *textBox() const { return m_text; }
    QLabel *previewLabel() const { return m_preview; }
    // How many frames and how long; or why the text cannot become frames.
    QLabel *countLabel() const { return m_count; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    // The text and the frames, or nothing when the user cancelled.
    struct Result
    {
        QString text;
        QList<Frame> frames;
    };
    static std::optional<Result> run(Prompter &prompter, QWidget *parent);

private:
    void updatePreview();

    QLineEdit *m_text = nullptr;
    QFontComboBox *m_font = nullptr;
    QSpinBox *m_size = nullptr;
    QSlider *m_threshold = nullptr;
    QComboBox *m_direction = nullptr;
    QSpinBox *m_frameMs = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_count = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
