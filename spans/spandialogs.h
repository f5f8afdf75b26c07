#pragma once

#include "canvasimage.h"
#include "span.h"
#include "spanmodules.h"
#include "textframes.h"
#include "textframesform.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class ConnectionPool;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

// The dialog "Span": a span's name, its columns x rows of modules and, for each module, where
// it is reached (a COM number, a device or an endpoint) and how it is mounted (turned clockwise
// as seen from the front, mirrored or not). "Identify" shows each module its number and an arrow
// to its own top, so that the mounting can be read off the modules themselves.
class SpanDialog : public QDialog
{
    Q_OBJECT

public:
    // `spans` and `index` (-1 for a new span) keep names unique.
    SpanDialog(Prompter &prompter, const Span &span, const QList<Span> &spans, int index,
               ConnectionPool *pool, QWidget *parent = nullptr);

    // The span as the dialog has it now; pictures follow a change of size.
    Span span() const;

    QLineEdit *nameBox() const { return m_name; }
    QSpinBox *columnsBox() const { return m_columns; }
    QSpinBox *rowsBox() const { return m_rows; }
    QComboBox *targetBox(int module) const;
    QComboBox *rotationBox(int module) const;
    QCheckBox *mirroredBox(int module) const;
    QLabel *statusLabel() const { return m_status; }
    void identify();

    // Nothing when the user cancelled.
    static std::optional<Span> run(Prompter &prompter, QWidget *parent, const QString &title,
                                   const Span &span, const QList<Span> &spans, int index,
                                   ConnectionPool *pool);

public slots:
    void accept() override;

private:
    struct Row
    {
        QLabel *place = nullptr;
        QComboBox *target = nullptr;
        QComboBox *rotation = nullptr;
        QCheckBox *mirrored = nullptr;
    };
    void resizeModules();
    void buildRows();
    QList<SpanModule> modules() const;
    void identifySettled();

    Prompter &m_prompter;
    Span m_span;
    QList<Span> m_spans;
    int m_index;
    SpanModules m_identify;
    bool m_identifyWaiting = false;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_columns = nullptr;
    QSpinBox *m_rows = nullptr;
    QGridLayout *m_grid = nullptr;
    QWidget *m_gridHolder = nullptr;
    QList<Row> m_rowWidgets;
    QLabel *m_status = nullptr;
};

// The threshold dialog of a picture or an animation brought down to a span's size: the first
// frame in grey beside the dots the threshold makes of it, following the slider as it moves.
class CanvasImportDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        int threshold = CanvasImage::DefaultThreshold;
        bool lightIsLit = false;
    };

    CanvasImportDialog(const QList<CanvasImage::Levels> &frames, const QString &source,
                       QWidget *parent = nullptr);

    Choice choice() const;
    QSlider *thresholdSlider() const { return m_slider; }
    QCheckBox *lightIsLitBox() const { return m_lightIsLit; }
    QLabel *previewLabel() const { return m_preview; }
    // The pictures offered, as grey levels at the span's size.
    const QList<CanvasImage::Levels> &levels() const { return m_frames; }

    static std::optional<Choice> run(Prompter &prompter, QWidget *parent,
                                     const QList<CanvasImage::Levels> &frames,
                                     const QString &source);

private:
    void updatePreview();

    QList<CanvasImage::Levels> m_frames;
    QSlider *m_slider = nullptr;
    QCheckBox *m_lightIsLit = nullptr;
    QLabel *m_preview = nullptr;
};

// "Text to Frames" for a span: a text in any installed font, drawn without smoothing at a size
// and threshold the user moves while seeing the result, scrolled one dot a frame across the whole
// span in a direction, at a frame time of the user's choice.
class SpanTextDialog : public QDialog
{
    Q_OBJECT

public:
    SpanTextDialog(int columns, int rows, QWidget *parent = nullptr);

    QString text() const;
    TextFrames::Options options() const;
    QList<SpanFrame> frames() const;
    QLineEdit *textBox() const { return m_form->textBox(); }
    QFontComboBox *fontBox() const { return m_form->fontBox(); }
    QSpinBox *sizeBox() const { return m_form->sizeBox(); }
    QSpinBox *frameTimeBox() const { return m_form->frameTimeBox(); }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }

    struct Result
    {
        QString text;
        QList<SpanFrame> frames;
    };
    static std::optional<Result> run(Prompter &prompter, QWidget *parent, int columns, int rows);

private:
    void updatePreview();

    int m_columns;
    int m_rows;
    TextFramesForm *m_form = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_count = nullptr;
};
