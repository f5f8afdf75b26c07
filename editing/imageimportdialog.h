#pragma once

#include "patternimage.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class QCheckBox;
class QLabel;
class Prompter;
class QRadioButton;
class QSlider;
class Prompter;
class QSpinBox;

// The dialog "Import Image": the picture brought down to 8 x 8 grey dots beside the pattern the
// threshold makes of it, which follows the threshold slider as it moves. A picture that is not
// square is kept whole with dark dots beside it, cropped to its middle square or stretched, as
// the user chooses; the choice is remembered for the next picture when the dialog is accepted.
class ImageImportDialog : public QDialog
{
    Q_OBJECT

public:
    // From the picture itself, with the choice of fit.
    ImageImportDialog(const QImage &image, const QString &source, QWidget *parent = nullptr);
    // From dots already brought down to 8 x 8: the fit was chosen before.
    ImageImportDialog(const PatternImage::DotLevels &levels, const QString &source,
                      QWidget *parent = nullptr);

    Pattern pattern() const;
    QSlider *thresholdSlider() const { return m_slider; }
    QCheckBox *lightIsLitBox() const { return m_lightIsLit; }
    // The button for `fit`; none in a dialog made from dots.
    QRadioButton *fitButton(PatternImage::Fit fit) const;
    PatternImage::Fit fit() const;
    // The preview's picture, as shown.
    QPixmap preview() const;

    void done(int result) override;

    // Nothing when the user cancelled.
    static std::optional<Pattern> run(Prompter &prompter, QWidget *parent, const QImage &image,
                                      const QString &source);
    static std::optional<Pattern> run(Prompter &prompter, QWidget *parent,
                                      const PatternImage::DotLevels &levels, const QString &source);

private:
    void build(const QString &source, bool withFit);
    // The dots again, after the fit or which parts are lit changed.
    void updateLevels();
    void updatePreview();

    QImage m_image;
    PatternImage::DotLevels m_levels{};
    QLabel *m_picture = nullptr;
    QSlider *m_slider = nullptr;
    QSpinBox *m_spin = nullptr;
    QCheckBox *m_lightIsLit = nullptr;
    QRadioButton *m_keepAspect = nullptr;
    QRadioButton *m_crop = nullptr;
    QRadioButton *m_stretch = nullptr;
    QLabel *m_preview = nullptr;
};
