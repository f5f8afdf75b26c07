#pragma once

#include "patternimage.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;

// The dialog "Import Image": the picture brought down to 8 x 8 grey dots beside the pattern the
// threshold makes of it, which follows the threshold slider as it moves.
class ImageImportDialog : public QDialog
{
    Q_OBJECT

public:
    ImageImportDialog(const PatternImage::DotLevels &levels, const QString &source,
                      QWidget *parent = nullptr);

    Pattern pattern() const;
    QSlider *thresholdSlider() const { return m_slider; }
    QCheckBox *lightIsLitBox() const { return m_lightIsLit; }
    // The preview's picture, as shown.
    QPixmap preview() const;

    // Nothing when the user cancelled. Tests replace the dialog with a handler.
    static std::optional<Pattern> run(QWidget *parent, const PatternImage::DotLevels &levels,
                                      const QString &source);
    using Handler = std::function<std::optional<Pattern>(const PatternImage::DotLevels &levels,
                                                         const QString &source)>;
    static void setHandler(Handler handler);

private:
    void updatePreview();

    PatternImage::DotLevels m_levels;
    QSlider *m_slider;
    QSpinBox *m_spin;
    QCheckBox *m_lightIsLit;
    QLabel *m_preview;
};
