#pragma once

#include "textframes.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class TextFramesForm;

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
    QLineEdit *textBox() const;
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

    TextFramesForm *m_form = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_count = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
