#pragma once

#include "textframes.h"

#include <QWidget>

class QComboBox;
class QFontComboBox;
class QLineEdit;
class QSlider;
class QSpinBox;

// The choices of a text scrolled into frames, as the Text to Frames dialogs of the Frames and
// the Span window both offer them: the text, any installed font at a size, the threshold, the
// direction and the frame time, in one form. changed() whenever any of them changes.
class TextFramesForm : public QWidget
{
    Q_OBJECT

public:
    // `maxSize` and `size` in pixels, `frameMs` the frame time it starts with.
    TextFramesForm(int maxSize, int size, int frameMs, QWidget *parent = nullptr);

    QString text() const;
    TextFrames::Options options() const;
    int frameMs() const;

    QLineEdit *textBox() const { return m_text; }
    QFontComboBox *fontBox() const { return m_font; }
    QSpinBox *sizeBox() const { return m_size; }
    QSpinBox *frameTimeBox() const { return m_frameMs; }

signals:
    void changed();

private:
    QLineEdit *m_text = nullptr;
    QFontComboBox *m_font = nullptr;
    QSpinBox *m_size = nullptr;
    QSlider *m_threshold = nullptr;
    QComboBox *m_direction = nullptr;
    QSpinBox *m_frameMs = nullptr;
};
