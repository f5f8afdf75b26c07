#include "spandialogs.h"

#include "prompter.h"

#include "connectionpool.h"
#include "messagebox.h"
#include "spanframesmodel.h"
#include "spansection.h"
#include "spantext.h"
#include "windowstyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {} // namespace

// --- SpanDialog ---

SpanDialog::SpanDialog(Prompter &prompter, const Span &span, const QList<Span> &spans, int index,
                       ConnectionPool *pool, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_span(span)
    , m_spans(spans)
    , m_index(index)
    , m_identify(pool)
{
    setObjectName(QStringLiteral("dlgSpan"));
    setAttribute(Qt::WA_WindowPropagation);
    setFont(dialogFont());

    m_name = new QLineEdit(span.name, this);
    m_name->setObjectName(QStringLiteral("txtSpanName"));
    m_columns = new QSpinBox(this);
    m_columns->setObjectName(QStringLiteral("spnColumns"));
    m_rows = new QSpinBox(this);
    m_rows->setObjectName(QStringLiteral("spnRows"));
    m_columns->setValue(span.columns);
    m_rows->setValue(span.rows);
    m_columns->setRange(1, Canvas::MaxModules / span.rows);
    m_rows->setRange(1, Canvas::MaxModules / span.columns);
    m_columns->setValue(span.columns);
    m_rows->setValue(span.rows);
    auto *size = new QHBoxLayout;
    size->addWidget(m_columns);
    size->addWidget(new QLabel(tr("columns by"), this));
    size->addWidget(m_rows);
    size->addWidget(
        new QLabel(tr("rows of modules (at most %1 modules)").arg(Canvas::MaxModules), this));
    size->addStretch();
    auto *form = new QFormLayout;
    auto *nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);
    auto *sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(m_columns);
    form->addRow(sizeLabel, size);

    auto *explanation = new QLabel(
        tr("Modules are numbered row by row from the top left. For each, the port it is on and "
           "how it is mounted, as seen from the front: turned clockwise by the rotation, and "
           "mirrored left to right first where it shows pictures mirrored. Identify shows each "
           "module its number under an arrow that points to its own top edge, with a dot in its "
           "own top left corner: set the rotation to where the arrow points, and tick Mirrored "
           "where the dot is on the right once the arrow points up."),
        this);
    explanation->setWordWrap(true);

    m_gridHolder = new QWidget(this);
    auto *holderLayout = new QVBoxLayout(m_gridHolder);
    m_grid = new QGridLayout;
    holderLayout->addLayout(m_grid);
    // The rows keep their height however tall the dialog is.
    holderLayout->addStretch();
    m_grid->addWidget(new QLabel(tr("Module"), m_gridHolder), 0, 0);
    m_grid->addWidget(new QLabel(tr("Port, device or endpoint"), m_gridHolder), 0, 1);
    m_grid->addWidget(new QLabel(tr("Rotation"), m_gridHolder), 0, 2);
    m_grid->addWidget(new QLabel(tr("Mirrored"), m_gridHolder), 0, 3);
    m_grid->setColumnStretch(1, 1);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_gridHolder);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(180);

    auto *identify = new QPushButton(tr("&Identify"), this);
    identify->setObjectName(QStringLiteral("cmdIdentify"));
    identify->setAutoDefault(false);
    identify->setToolTip(tr("Show each module its number and an arrow to its own top"));
    connect(identify, &QPushButton::clicked, this, &SpanDialog::identify);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblIdentify"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(explanation);
    layout->addWidget(scroll, 1);
    auto *identifyRow = new QHBoxLayout;
    identifyRow->addWidget(identify);
    identifyRow->addWidget(m_status, 1);
    layout->addLayout(identifyRow);
    layout->addWidget(buttons);

    buildRows();
    connect(m_columns, &QSpinBox::valueChanged, this, &SpanDialog::resizeModules);
    connect(m_rows, &QSpinBox::valueChanged, this, &SpanDialog::resizeModules);
    connect(&m_identify, &SpanModules::settled, this, &SpanDialog::identifySettled);
    resize(620, 460);
}

QComboBox *SpanDialog::targetBox(int module) const
{
    return m_rowWidgets.value(module).target;
}

QComboBox *SpanDialog::rotationBox(int module) const
{
    return m_rowWidgets.value(module).rotation;
}

QCheckBox *SpanDialog::mirroredBox(int module) const
{
    return m_rowWidgets.value(module).mirrored;
}

QList<SpanModule> SpanDialog::modules() const
{
    QList<SpanModule> result = m_span.modules;
    result.resize(m_rowWidgets.size());
    for (int i = 0; i < m_rowWidgets.size(); ++i) {
        const Row &row = m_rowWidgets.at(i);
        result[i].target = row.target->currentText().trimmed();
        result[i].orientation.rotation = row.rotation->currentData().toInt();
        result[i].orientation.mirrored = row.mirrored->isChecked();
    }
    return result;
}

// The modules keep their places from the top left as the span grows or shrinks.
void SpanDialog::resizeModules()
{
    m_span.modules = modules();
    m_span.resize(m_columns->value(), m_rows->value());
    m_columns->setMaximum(Canvas::MaxModules / m_rows->value());
    m_rows->setMaximum(Canvas::MaxModules / m_columns->value());
    buildRows();
}

void SpanDialog::buildRows()
{
    for (const Row &row : std::as_const(m_rowWidgets)) {
        delete row.place;
        delete row.target;
        delete row.rotation;
        delete row.mirrored;
    }
    m_rowWidgets.clear();
    QWidget *previous = m_rows;
    for (int i = 0; i < m_span.moduleCount(); ++i) {
        const SpanModule &module = m_span.modules.at(i);
        Row row;
        row.place = new QLabel(tr("%1 (row %2, column %3)")
                                   .arg(i + 1)
                                   .arg(i / m_span.columns + 1)
                                   .arg(i % m_span.columns + 1),
                               m_gridHolder);
        row.target = new QComboBox(m_gridHolder);
        row.target->setEditable(true);
        row.target->setInsertPolicy(QComboBox::NoInsert);
        for (int port = 1; port <= 6; ++port)
            row.target->addItem(QStringLiteral("COM%1").arg(port));
        row.target->setCurrentText(module.target);
        row.target->setAccessibleName(tr("Module %1: port, device or endpoint").arg(i + 1));
        row.target->setObjectName(QStringLiteral("cboTarget%1").arg(i + 1));
        row.rotation = new QComboBox(m_gridHolder);
        row.rotation->addItem(tr("0\u00b0 (upright)"), 0);
        row.rotation->addItem(tr("90\u00b0 clockwise"), 90);
        row.rotation->addItem(tr("180\u00b0 (upside down)"), 180);
        row.rotation->addItem(tr("270\u00b0 clockwise"), 270);
        row.rotation->setCurrentIndex(row.rotation->findData(module.orientation.rotation));
        row.rotation->setAccessibleName(tr("Module %1: rotation").arg(i + 1));
        row.rotation->setObjectName(QStringLiteral("cboRotation%1").arg(i + 1));
        row.mirrored = new QCheckBox(tr("Mirrored"), m_gridHolder);
        row.mirrored->setChecked(module.orientation.mirrored);
        row.mirrored->setAccessibleName(tr("Module %1: mirrored").arg(i + 1));
        row.mirrored->setObjectName(QStringLiteral("chkMirrored%1").arg(i + 1));
        row.place->setBuddy(row.target);
        m_grid->addWidget(row.place, i + 1, 0);
        m_grid->addWidget(row.target, i + 1, 1);
        m_grid->addWidget(row.rotation, i + 1, 2);
        m_grid->addWidget(row.mirrored, i + 1, 3);
        for (QWidget *widget :
             {static_cast<QWidget *>(row.target), static_cast<QWidget *>(row.rotation),
              static_cast<QWidget *>(row.mirrored)}) {
            setTabOrder(previous, widget);
            previous = widget;
        }
        m_rowWidgets.append(row);
    }
}

Span SpanDialog::span() const
{
    Span result = m_span;
    result.name = m_name->text().trimmed();
    result.modules = modules();
    return result;
}

void SpanDialog::identify()
{
    m_identify.attach(span());
    m_identifyWaiting = true;
    m_status->setText(tr("Connecting to the modules..."));
    if (!m_identify.isConnecting())
        identifySettled();
}

void SpanDialog::identifySettled()
{
    if (!m_identifyWaiting)
        return;
    m_identifyWaiting = false;
    const QList<int> failed = m_identify.identify();
    QStringList told;
    for (int i = 0; i < m_identify.count(); ++i) {
        if (!m_identify.connection(i) && m_identify.problem(i).isEmpty())
            continue;
        if (failed.contains(i)) {
            const ModuleConnection *connection = m_identify.connection(i);
            told.append(tr("module %1 (%2) is not available: %3")
                            .arg(i + 1)
                            .arg(m_identify.portName(i),
                                 connection ? connection->errorString() : m_identify.problem(i)));
        }
    }
    const int shown = m_identify.count() - int(failed.size());
    m_status->setText(told.isEmpty() ? tr("Each module shows its number.")
                                     : tr("%n module(s) show their number; ", nullptr, shown) +
                                           told.join(QStringLiteral("; ")) + u'.');
}

void SpanDialog::accept()
{
    const Span result = span();
    const QString nameProblem = SpanSection::spanNameProblem(m_spans, result.name, m_index);
    if (!nameProblem.isEmpty()) {
        m_prompter.message(this, nameProblem);
        m_name->setFocus();
        return;
    }
    QHash<QString, int> seen;
    for (int i = 0; i < result.modules.size(); ++i) {
        const QString target = result.modules.at(i).target;
        if (target.isEmpty())
            continue;
        QString error;
        if (!ConnectionPool::isValidTarget(target, &error)) {
            m_prompter.message(this, tr("Module %1: %2.").arg(i + 1).arg(error));
            m_rowWidgets.at(i).target->setFocus();
            return;
        }
        const QString key = ConnectionPool::commPortOf(target) ? target.toUpper()
                                                               : ConnectionPool::identity(target);
        if (seen.contains(key)) {
            m_prompter.message(this, tr("Modules %1 and %2 are both %3: one module cannot show two "
                                        "places of the span.")
                                         .arg(seen.value(key) + 1)
                                         .arg(i + 1)
                                         .arg(target));
            m_rowWidgets.at(i).target->setFocus();
            return;
        }
        seen.insert(key, i);
    }
    m_identify.detach();
    QDialog::accept();
}

std::optional<Span> SpanDialog::run(Prompter &prompter, QWidget *parent, const QString &title,
                                    const Span &span, const QList<Span> &spans, int index,
                                    ConnectionPool *pool)
{
    SpanDialog dialog(prompter, span, spans, index, pool, parent);
    dialog.setWindowTitle(title);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.span();
}

// --- CanvasImportDialog ---

namespace {

constexpr int PreviewDot = 6;

QPixmap greyPicture(const CanvasImage::Levels &levels)
{
    QImage image(levels.width(), levels.height(), QImage::Format_RGB32);
    for (int y = 0; y < levels.height(); ++y) {
        for (int x = 0; x < levels.width(); ++x) {
            const int grey = levels.dots.value(y * levels.width() + x);
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return QPixmap::fromImage(image.scaled(image.size() * PreviewDot));
}

} // namespace

CanvasImportDialog::CanvasImportDialog(const QList<CanvasImage::Levels> &frames,
                                       const QString &source, QWidget *parent)
    : QDialog(parent)
    , m_frames(frames)
{
    setObjectName(QStringLiteral("dlgSpanImport"));
    setAttribute(Qt::WA_WindowPropagation);
    setFont(dialogFont());
    setWindowTitle(frames.size() > 1 ? tr("Import Animation - %1").arg(QFileInfo(source).fileName())
                                     : tr("Import Image - %1").arg(QFileInfo(source).fileName()));
    auto *picture = new QLabel(this);
    if (!frames.isEmpty())
        picture->setPixmap(greyPicture(frames.first()));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("picPreview"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldThreshold"));
    m_slider->setRange(1, 255);
    m_slider->setValue(CanvasImage::DefaultThreshold);
    m_slider->setPageStep(16);
    auto *spin = new QSpinBox(this);
    spin->setRange(1, 255);
    spin->setValue(CanvasImage::DefaultThreshold);
    spin->setAccessibleName(tr("Threshold"));
    connect(m_slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
    connect(spin, &QSpinBox::valueChanged, m_slider, &QSlider::setValue);
    auto *thresholdLabel = new QLabel(tr("&Threshold:"), this);
    thresholdLabel->setBuddy(m_slider);
    m_lightIsLit = new QCheckBox(tr("&Light parts are lit"), this);
    m_lightIsLit->setObjectName(QStringLiteral("chkLightIsLit"));
    connect(m_slider, &QSlider::valueChanged, this, &CanvasImportDialog::updatePreview);
    connect(m_lightIsLit, &QCheckBox::toggled, this, &CanvasImportDialog::updatePreview);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    const CanvasImage::Levels first = frames.value(0);
    layout->addWidget(new QLabel(
        tr("The picture at %1 x %2 dots%3")
            .arg(first.width())
            .arg(first.height())
            .arg(frames.size() > 1 ? tr(" (the first of %n frames)", nullptr, int(frames.size()))
                                   : QString()),
        this));
    layout->addWidget(picture);
    layout->addWidget(new QLabel(tr("The dots"), this));
    layout->addWidget(m_preview);
    auto *thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(thresholdLabel);
    thresholdRow->addWidget(m_slider, 1);
    thresholdRow->addWidget(spin);
    layout->addLayout(thresholdRow);
    layout->addWidget(m_lightIsLit);
    layout->addWidget(buttons);
    m_slider->setFocus();
    updatePreview();
}

CanvasImportDialog::Choice CanvasImportDialog::choice() const
{
    return {m_slider->value(), m_lightIsLit->isChecked()};
}

void CanvasImportDialog::updatePreview()
{
    if (m_frames.isEmpty())
        return;
    const Canvas canvas =
        CanvasImage::threshold(m_frames.first(), m_slider->value(), m_lightIsLit->isChecked());
    m_preview->setPixmap(SpanFramesModel::thumbnail(canvas, PreviewDot));
}

std::optional<CanvasImportDialog::Choice>
CanvasImportDialog::run(Prompter &prompter, QWidget *parent,
                        const QList<CanvasImage::Levels> &frames, const QString &source)
{
    CanvasImportDialog dialog(frames, source, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

// --- SpanTextDialog ---

namespace {
constexpr int TextPreviewScale = 4;
constexpr int TextPreviewWidth = 560;
} // namespace

SpanTextDialog::SpanTextDialog(int columns, int rows, QWidget *parent)
    : QDialog(parent)
    , m_columns(columns)
    , m_rows(rows)
{
    setObjectName(QStringLiteral("dlgSpanText"));
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Text to Frames"));
    setFont(dialogFont());
    m_form = new TextFramesForm(128, 9 * rows, 50, this);
    m_preview = new QLabel(this);
    m_preview->setMinimumHeight(8 * rows * TextPreviewScale + 8);
    m_count = new QLabel(this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Scrolled across the whole span, %1 x %2 dots, one dot a "
                                    "frame.")
                                     .arg(columns * Canvas::ModuleDots)
                                     .arg(rows * Canvas::ModuleDots),
                                 this));
    layout->addWidget(m_form);
    layout->addWidget(m_preview);
    layout->addWidget(m_count);
    layout->addWidget(buttons);

    connect(m_form, &TextFramesForm::changed, this, &SpanTextDialog::updatePreview);
    updatePreview();
}

QString SpanTextDialog::text() const
{
    return m_form->text();
}

TextFrames::Options SpanTextDialog::options() const
{
    return m_form->options();
}

QList<SpanFrame> SpanTextDialog::frames() const
{
    return SpanText::scroll(text(), options(), m_columns, m_rows);
}

void SpanTextDialog::updatePreview()
{
    const QImage strip = TextFrames::strip(
        text(), options(), QSize(m_columns * Canvas::ModuleDots, m_rows * Canvas::ModuleDots));
    QPixmap picture = QPixmap::fromImage(strip.scaled(
        strip.size() * TextPreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    if (picture.width() > TextPreviewWidth)
        picture = picture.copy(0, 0, TextPreviewWidth, picture.height());
    m_preview->setPixmap(picture);
    const qsizetype count = TextFrames::scrollOffsets(
                                strip, options().direction,
                                QSize(m_columns * Canvas::ModuleDots, m_rows * Canvas::ModuleDots))
                                .size();
    m_count->setText(tr("%n frame(s), %1 s", nullptr, int(count))
                         .arg(double(count) * m_form->frameMs() / 1000, 0, 'f', 1));
}

std::optional<SpanTextDialog::Result> SpanTextDialog::run(Prompter &prompter, QWidget *parent,
                                                          int columns, int rows)
{
    SpanTextDialog dialog(columns, rows, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Result{dialog.text(), dialog.frames()};
}
