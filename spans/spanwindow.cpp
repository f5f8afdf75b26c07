#include "spanwindow.h"

#include "canvasimage.h"
#include "connectionpool.h"
#include "editorsettings.h"
#include "formatchooser.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "patternimage.h"
#include "prompter.h"
#include "spancanvasview.h"
#include "spandialogs.h"
#include "spaneditor.h"
#include "spanframesmodel.h"
#include "spansection.h"
#include "textformats.h"
#include "windowstyle.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// What Copy adds for this window itself: the canvas's size and rows, so that it pastes back as
// it was, whatever else the clipboard holds.
constexpr char CanvasMimeType[] = "application/x-glyphsmith-span-canvas";

struct TransformItem
{
    Transform transform;
    const char *submenu;
    const char *text;
    const char *stepName;
    QKeyCombination keys;
};

// The transforms that keep the canvas's shape, with the main window's keys.
const TransformItem TransformItems[] = {
    {Transform::Invert, nullptr, QT_TRANSLATE_NOOP("SpanWindow", "&Invert"),
     QT_TRANSLATE_NOOP("SpanWindow", "Invert"), Qt::CTRL | Qt::Key_I},
    {Transform::ShiftUp, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Up"), QT_TRANSLATE_NOOP("SpanWindow", "Shift Up"),
     Qt::CTRL | Qt::Key_Up},
    {Transform::ShiftDown, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Down"), QT_TRANSLATE_NOOP("SpanWindow", "Shift Down"),
     Qt::CTRL | Qt::Key_Down},
    {Transform::ShiftLeft, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Left"), QT_TRANSLATE_NOOP("SpanWindow", "Shift Left"),
     Qt::CTRL | Qt::Key_Left},
    {Transform::ShiftRight, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Right"), QT_TRANSLATE_NOOP("SpanWindow", "Shift Right"),
     Qt::CTRL | Qt::Key_Right},
    {Transform::WrapUp, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "Up, &Wrapping Around"),
     QT_TRANSLATE_NOOP("SpanWindow", "Shift Up, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Up},
    {Transform::WrapDown, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "Down, W&rapping Around"),
     QT_TRANSLATE_NOOP("SpanWindow", "Shift Down, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Down},
    {Transform::WrapLeft, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "Left, Wr&apping Around"),
     QT_TRANSLATE_NOOP("SpanWindow", "Shift Left, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Left},
    {Transform::WrapRight, QT_TRANSLATE_NOOP("SpanWindow", "&Shift"),
     QT_TRANSLATE_NOOP("SpanWindow", "Right, Wra&pping Around"),
     QT_TRANSLATE_NOOP("SpanWindow", "Shift Right, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Right},
    {Transform::MirrorLeftRight, QT_TRANSLATE_NOOP("SpanWindow", "&Mirror"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Left to Right"),
     QT_TRANSLATE_NOOP("SpanWindow", "Mirror Left to Right"), Qt::CTRL | Qt::Key_M},
    {Transform::MirrorTopBottom, QT_TRANSLATE_NOOP("SpanWindow", "&Mirror"),
     QT_TRANSLATE_NOOP("SpanWindow", "&Top to Bottom"),
     QT_TRANSLATE_NOOP("SpanWindow", "Mirror Top to Bottom"), Qt::CTRL | Qt::SHIFT | Qt::Key_M},
    {Transform::Rotate180, nullptr, QT_TRANSLATE_NOOP("SpanWindow", "&Rotate 180\u00b0"),
     QT_TRANSLATE_NOOP("SpanWindow", "Rotate 180\u00b0"), Qt::CTRL | Qt::ALT | Qt::Key_R},
};

QPushButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QPushButton(action->text(), parent);
    button->setAutoDefault(false);
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    if (!keys.isEmpty())
        button->setToolTip(QStringLiteral("%1 (%2)").arg(action->iconText(), keys));
    return button;
}

// The strip's frames: the thumbnail over its number and time.
class StripDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    }
};

QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    return SpanWindow::tr("Pictures (%1)").arg(patterns.join(u' '));
}

} // namespace

SpanWindow::SpanWindow(LibraryDocument *document, ConnectionPool *pool, Prompter &prompter,
                       QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , m_prompter(prompter)
    , m_editor(new SpanEditor(document, this))
    , m_pool(pool)
    , m_modules(pool)
{
    setObjectName(QStringLiteral("frmSpans"));
    // The main window's font and palette, as a window of its own would not take them.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(dialogFont());
    setWindowTitle(tr("Spans"));
    m_framesModel = new SpanFramesModel(m_editor, this);
    buildMenus();
    setCentralWidget(buildCentre());

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSpanStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_moduleSummary = new QLabel(this);
    m_moduleSummary->setObjectName(QStringLiteral("lblModules"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_moduleSummary);

    connect(m_editor, &SpanEditor::changed, this, &SpanWindow::refresh);
    connect(m_editor, &SpanEditor::canvasChanged, this, &SpanWindow::showCanvas);
    connect(m_editor->undoStack(), &QUndoStack::indexChanged, this, &SpanWindow::updateActions);
    connect(m_canvas, &SpanCanvasView::strokeStarted, this, [this] {
        stop();
        m_editor->beginStroke();
    });
    connect(m_canvas, &SpanCanvasView::dotPainted, m_editor, &SpanEditor::paintDot);
    connect(m_canvas, &SpanCanvasView::strokeEnded, m_editor, &SpanEditor::endStroke);
    connect(&m_player, &SpanPlayer::frameDue, this, &SpanWindow::showPlayingFrame);
    connect(&m_player, &SpanPlayer::stopped, this, [this] {
        showCanvas();
        showCounts();
        updateActions();
    });
    connect(&m_player, &SpanPlayer::moduleOut, this, [this](int module, const QString &reason) {
        say(tr("Module %1 (%2) is not available: %3. The others play on; it rejoins by itself "
               "when it is back.")
                .arg(module + 1)
                .arg(moduleName(module), reason));
    });
    connect(&m_player, &SpanPlayer::moduleBack, this, [this](int module) {
        say(tr("Module %1 (%2) is back and plays in step again.")
                .arg(module + 1)
                .arg(moduleName(module)));
    });
    connect(&m_player, &SpanPlayer::moduleSlow, this, [this](int module) {
        say(tr("Module %1 (%2) is slow: its line is still busy when frames fall due, so it "
               "shows only the newest of them.")
                .arg(module + 1)
                .arg(moduleName(module)));
    });
    connect(&m_modules, &SpanModules::moduleStateChanged, this, &SpanWindow::showModules);
    connect(&m_modules, &SpanModules::connectionChanged, this, [this](int index) {
        if (m_playingOnModules)
            m_player.replaceConnection(index, m_modules.connection(index));
        showModules();
    });
    connect(&m_modules, &SpanModules::settled, this, &SpanWindow::modulesSettled);
    refresh();
    showCounts();
    showModules();
    resize(sizeHint().expandedTo(QSize(760, 560)));
}

SpanWindow::~SpanWindow()
{
    // The editor and the player go after the window's widgets: they no longer speak to it.
    disconnect(m_editor, nullptr, this, nullptr);
    disconnect(m_editor->undoStack(), nullptr, this, nullptr);
    disconnect(&m_player, nullptr, this, nullptr);
    disconnect(&m_modules, nullptr, this, nullptr);
    m_player.stop();
}

QAction *SpanWindow::addAction(QMenu *menu, const QString &name, const QString &text,
                               const QList<QKeySequence> &shortcuts)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    m_actions.insert(name, action);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    QString plain = text;
    plain.remove(u'&');
    plain.remove(QStringLiteral("..."));
    action->setIconText(plain);
    if (!shortcuts.isEmpty())
        m_shortcutActions.append(action);
    return action;
}

QAction *SpanWindow::action(const QString &objectName) const
{
    return m_actions.value(objectName);
}

void SpanWindow::buildMenus()
{
    QMenu *span = menuBar()->addMenu(tr("&Span"));
    connect(addAction(span, QStringLiteral("actNewSpan"), tr("&New Span..."), {QKeySequence::New}),
            &QAction::triggered, this, &SpanWindow::newSpan);
    connect(
        addAction(span, QStringLiteral("actEditSpan"), tr("&Modules and Name..."), {Qt::Key_F2}),
        &QAction::triggered, this, &SpanWindow::editSpan);
    connect(addAction(span, QStringLiteral("actDeleteSpan"), tr("&Delete Span")),
            &QAction::triggered, this, &SpanWindow::deleteSpan);
    span->addSeparator();
    connect(addAction(span, QStringLiteral("actSend"), tr("Send to Mo&dules"),
                      {Qt::CTRL | Qt::Key_Return}),
            &QAction::triggered, this, &SpanWindow::sendToModules);
    connect(addAction(span, QStringLiteral("actIdentify"), tr("&Identify Modules"), {Qt::Key_F6}),
            &QAction::triggered, this, &SpanWindow::identify);
    span->addSeparator();
    connect(addAction(span, QStringLiteral("actImportImage"), tr("Import I&mage..."),
                      {Qt::CTRL | Qt::SHIFT | Qt::Key_O}),
            &QAction::triggered, this, &SpanWindow::importImage);
    connect(addAction(span, QStringLiteral("actExportImage"), tr("&Export Image..."),
                      {Qt::CTRL | Qt::Key_E}),
            &QAction::triggered, this, &SpanWindow::exportImage);
    span->addSeparator();
    connect(addAction(span, QStringLiteral("actClose"), tr("&Close"), {QKeySequence::Close}),
            &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = addAction(edit, QStringLiteral("actUndo"), tr("&Undo"), {QKeySequence::Undo});
    m_undo->setIconText(tr("Undo"));
    connect(m_undo, &QAction::triggered, m_editor, &SpanEditor::undo);
    m_redo = addAction(
        edit, "actRedo", tr("&Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_redo->setIconText(tr("Redo"));
    connect(m_redo, &QAction::triggered, m_editor, &SpanEditor::redo);
    edit->addSeparator();
    connect(addAction(edit, QStringLiteral("actCopy"), tr("&Copy"), {QKeySequence::Copy}),
            &QAction::triggered, this, &SpanWindow::copy);
    connect(addAction(edit, QStringLiteral("actPaste"), tr("&Paste"), {QKeySequence::Paste}),
            &QAction::triggered, this, &SpanWindow::paste);
    edit->addSeparator();
    QHash<QString, QMenu *> submenus;
    for (const TransformItem &item : TransformItems) {
        QMenu *menu = edit;
        if (item.submenu) {
            QMenu *&submenu = submenus[QLatin1String(item.submenu)];
            if (!submenu)
                submenu = edit->addMenu(tr(item.submenu));
            menu = submenu;
            if (item.transform == Transform::WrapUp)
                menu->addSeparator();
        }
        QAction *action = addAction(menu, QStringLiteral("actTransform%1").arg(int(item.transform)),
                                    tr(item.text), {item.keys});
        const Transform transform = item.transform;
        connect(action, &QAction::triggered, this,
                [this, transform] { applyTransform(transform); });
    }
    edit->addSeparator();
    connect(addAction(edit, QStringLiteral("actClear"), tr("C&lear"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)}),
            &QAction::triggered, this, &SpanWindow::clearCanvas);

    QMenu *frames = menuBar()->addMenu(tr("&Frames"));
    connect(addAction(frames, QStringLiteral("actNewAnimation"), tr("&New Animation..."),
                      {Qt::CTRL | Qt::SHIFT | Qt::Key_N}),
            &QAction::triggered, this, &SpanWindow::newAnimation);
    connect(addAction(frames, QStringLiteral("actRenameAnimation"), tr("&Rename Animation...")),
            &QAction::triggered, this, &SpanWindow::renameAnimation);
    connect(addAction(frames, QStringLiteral("actDeleteAnimation"), tr("Delete Animat&ion")),
            &QAction::triggered, m_editor, &SpanEditor::deleteAnimation);
    frames->addSeparator();
    connect(addAction(frames, QStringLiteral("actAddFrame"), tr("A&dd Frame"), {Qt::Key_Insert}),
            &QAction::triggered, m_editor, &SpanEditor::addFrame);
    connect(addAction(frames, QStringLiteral("actDuplicateFrame"), tr("D&uplicate"),
                      {Qt::CTRL | Qt::Key_D}),
            &QAction::triggered, m_editor, &SpanEditor::duplicateFrame);
    connect(
        addAction(frames, QStringLiteral("actDeleteFrame"), tr("De&lete Frame"), {Qt::Key_Delete}),
        &QAction::triggered, m_editor, &SpanEditor::deleteFrame);
    connect(addAction(frames, QStringLiteral("actEarlier"), tr("Move &Earlier"),
                      {Qt::ALT | Qt::Key_Left}),
            &QAction::triggered, this, [this] {
                m_editor->moveFrame(m_editor->selectedFrame(), m_editor->selectedFrame() - 1);
            });
    connect(
        addAction(frames, QStringLiteral("actLater"), tr("Move La&ter"), {Qt::ALT | Qt::Key_Right}),
        &QAction::triggered, this,
        [this] { m_editor->moveFrame(m_editor->selectedFrame(), m_editor->selectedFrame() + 1); });
    frames->addSeparator();
    connect(addAction(frames, QStringLiteral("actPlay"), tr("&Play"), {Qt::Key_F5}),
            &QAction::triggered, this, &SpanWindow::playOnScreen);
    connect(addAction(frames, QStringLiteral("actPlayOnModules"), tr("Play on &Modules"),
                      {Qt::SHIFT | Qt::Key_F5}),
            &QAction::triggered, this, &SpanWindow::playOnModules);
    connect(addAction(frames, QStringLiteral("actStop"), tr("&Stop"), {Qt::Key_Escape}),
            &QAction::triggered, this, [this] {
                if (m_player.isPlaying())
                    stop();
                else
                    close();
            });
    frames->addSeparator();
    connect(addAction(frames, QStringLiteral("actImportAnimation"), tr("&Import Animation..."),
                      {Qt::CTRL | Qt::Key_O}),
            &QAction::triggered, this, &SpanWindow::importAnimation);
    connect(addAction(frames, QStringLiteral("actTextToFrames"), tr("Te&xt to Frames..."),
                      {Qt::CTRL | Qt::Key_T}),
            &QAction::triggered, this, &SpanWindow::textToFrames);
    connect(addAction(frames, QStringLiteral("actExportGif"), tr("Export &GIF..."),
                      {Qt::CTRL | Qt::Key_G}),
            &QAction::triggered, this, &SpanWindow::exportGif);
}

QWidget *SpanWindow::buildCentre()
{
    auto *centre = new QWidget(this);
    m_spans = new QComboBox(centre);
    m_spans->setObjectName(QStringLiteral("cboSpan"));
    m_spans->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_spans->setMinimumContentsLength(14);
    auto *spanLabel = new QLabel(tr("S&pan:"), centre);
    spanLabel->setBuddy(m_spans);
    auto *spanRow = new QHBoxLayout;
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(m_spans, 1);
    for (const char *name :
         {"actNewSpan", "actEditSpan", "actDeleteSpan", "actSend", "actIdentify"})
        spanRow->addWidget(buttonFor(action(QLatin1String(name)), centre));

    m_canvas = new SpanCanvasView(centre);

    m_animations = new QComboBox(centre);
    m_animations->setObjectName(QStringLiteral("cboAnimation"));
    m_animations->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_animations->setMinimumContentsLength(16);
    auto *animationLabel = new QLabel(tr("&Show:"), centre);
    animationLabel->setBuddy(m_animations);
    auto *animationRow = new QHBoxLayout;
    animationRow->addWidget(animationLabel);
    animationRow->addWidget(m_animations, 1);
    for (const char *name : {"actNewAnimation", "actRenameAnimation", "actDeleteAnimation"})
        animationRow->addWidget(buttonFor(action(QLatin1String(name)), centre));

    m_strip = new QListView(centre);
    m_strip->setObjectName(QStringLiteral("lstSpanFrames"));
    // A list laid out left to right, every frame the same size: thousands of frames are laid
    // out without asking each, where icon mode would keep a position for every one.
    m_strip->setViewMode(QListView::ListMode);
    m_strip->setFlow(QListView::LeftToRight);
    m_strip->setMovement(QListView::Static);
    m_strip->setWrapping(false);
    m_strip->setUniformItemSizes(true);
    m_strip->setItemDelegate(new StripDelegate(m_strip));
    m_strip->setSelectionMode(QAbstractItemView::SingleSelection);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_strip->setModel(m_framesModel);
    m_strip->setAccessibleName(tr("Frames"));

    m_duration = new QSpinBox(centre);
    m_duration->setObjectName(QStringLiteral("spnDuration"));
    m_duration->setRange(Frames::MinDurationMs, Frames::MaxDurationMs);
    m_duration->setSuffix(tr(" ms"));
    m_duration->setKeyboardTracking(false);
    auto *durationLabel = new QLabel(tr("Ti&me:"), centre);
    durationLabel->setBuddy(m_duration);
    m_onionSkin = new QCheckBox(tr("&Onion skin"), centre);
    m_onionSkin->setObjectName(QStringLiteral("chkOnionSkin"));
    m_onionSkin->setToolTip(tr("Show the previous frame faintly on the canvas"));
    auto *frameRow = new QHBoxLayout;
    for (const char *name :
         {"actAddFrame", "actDuplicateFrame", "actDeleteFrame", "actEarlier", "actLater"})
        frameRow->addWidget(buttonFor(action(QLatin1String(name)), centre));
    frameRow->addStretch();
    frameRow->addWidget(durationLabel);
    frameRow->addWidget(m_duration);
    frameRow->addWidget(m_onionSkin);

    m_loop = new QCheckBox(tr("Loo&p"), centre);
    m_loop->setObjectName(QStringLiteral("chkLoop"));
    m_loop->setChecked(true);
    m_counts = new QLabel(centre);
    m_counts->setObjectName(QStringLiteral("lblCounts"));
    // Sized once for the widest text: a label that changes its size hint a hundred times a
    // second while playing would lay out the whole window each time.
    m_counts->setText(
        tr("Frame %1 of %2; skipped on the modules: %3").arg(99999).arg(99999).arg(9999999));
    m_counts->setFixedSize(m_counts->sizeHint());
    m_counts->clear();
    auto *playRow = new QHBoxLayout;
    for (const char *name : {"actPlay", "actPlayOnModules", "actStop"})
        playRow->addWidget(buttonFor(action(QLatin1String(name)), centre));
    playRow->addWidget(m_loop);
    playRow->addStretch();
    for (const char *name : {"actImportAnimation", "actTextToFrames", "actExportGif"})
        playRow->addWidget(buttonFor(action(QLatin1String(name)), centre));
    auto *countsRow = new QHBoxLayout;
    countsRow->addStretch();
    countsRow->addWidget(m_counts);

    auto *layout = new QVBoxLayout(centre);
    layout->addLayout(spanRow);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(animationRow);
    layout->addWidget(m_strip);
    layout->addLayout(frameRow);
    layout->addLayout(playRow);
    layout->addLayout(countsRow);

    connect(m_spans, &QComboBox::activated, m_editor, &SpanEditor::selectSpan);
    connect(m_animations, &QComboBox::activated, this,
            [this](int index) { m_editor->selectAnimation(index - 1); });
    connect(m_strip->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_refreshing && current.isValid())
                    m_editor->selectFrame(current.row());
            });
    connect(m_duration, &QSpinBox::valueChanged, this, [this](int ms) {
        if (!m_refreshing)
            m_editor->setDuration(m_editor->selectedFrame(), ms);
    });
    connect(m_onionSkin, &QCheckBox::toggled, this, &SpanWindow::updateGhost);
    return centre;
}

void SpanWindow::refresh()
{
    m_refreshing = true;
    const QList<Span> &spans = m_editor->spans();
    QStringList spanNames;
    for (const Span &span : spans)
        spanNames.append(tr("%1 (%2 x %3)").arg(span.name).arg(span.columns).arg(span.rows));
    if (spanNames != m_spanNames) {
        m_spanNames = spanNames;
        m_spans->clear();
        m_spans->addItems(spanNames);
    }
    m_spans->setCurrentIndex(m_editor->currentSpan());
    const Span span = m_editor->span();
    QStringList animationNames = {tr("Picture")};
    for (const SpanAnimation &animation : span.animations)
        animationNames.append(tr("Animation: %1").arg(animation.name));
    if (animationNames != m_animationNames) {
        m_animationNames = animationNames;
        m_animations->clear();
        m_animations->addItems(animationNames);
    }
    m_animations->setCurrentIndex(m_editor->currentAnimation() + 1);
    m_framesModel->refresh();
    const int frame = m_editor->selectedFrame();
    const Canvas blank = span.blankCanvas();
    const QSize thumbnail =
        SpanFramesModel::thumbnailSize(blank, SpanFramesModel::thumbnailDot(blank));
    if (thumbnail != m_thumbnailSize) {
        m_thumbnailSize = thumbnail;
        m_strip->setIconSize(thumbnail);
        m_strip->setGridSize(QSize(std::max(thumbnail.width() + 12, 64),
                                   thumbnail.height() + 2 * fontMetrics().height() + 4));
        m_strip->setFixedHeight(thumbnail.height() + 2 * fontMetrics().height() + 28);
    }
    if (frame >= 0) {
        m_strip->setCurrentIndex(m_framesModel->index(frame));
        m_strip->scrollTo(m_framesModel->index(frame));
        m_duration->setValue(m_editor->frames().at(frame).durationMs);
    }
    m_duration->setEnabled(frame >= 0);
    m_strip->setEnabled(m_editor->currentAnimation() >= 0);
    if (!m_editor->isEditable()) {
        say(tr("The spans of %1 cannot be shown: %2. They are kept in the file as they are.")
                .arg(m_editor->document()->displayName(), m_editor->problem()));
    }
    setWindowTitle(m_editor->currentSpan() >= 0 ? tr("Spans: %1").arg(span.name) : tr("Spans"));
    m_refreshing = false;
    // Another span, or other modules for this one: the modules held are given back.
    if (m_modules.isAttached() &&
        (m_attached.name != span.name || m_attached.modules != span.modules)) {
        stop();
        m_modules.detach();
        showModules();
    }
    if (!m_player.isPlaying())
        showCanvas();
    updateGhost();
    updateActions();
}

void SpanWindow::showCanvas()
{
    if (m_player.isPlaying())
        return;
    m_canvas->setCanvas(m_editor->canvas());
}

void SpanWindow::updateGhost()
{
    const int frame = m_editor->selectedFrame();
    if (!m_onionSkin->isChecked() || frame <= 0 || m_player.isPlaying()) {
        m_canvas->setGhost(std::nullopt);
        return;
    }
    m_canvas->setGhost(m_editor->frames().at(frame - 1).canvas);
}

void SpanWindow::updateActions()
{
    const bool hasSpan = m_editor->currentSpan() >= 0;
    const bool editable = m_editor->isEditable();
    const bool animation = m_editor->currentAnimation() >= 0;
    const bool frames = m_editor->selectedFrame() >= 0;
    const QUndoStack *stack = m_editor->undoStack();
    m_undo->setEnabled(stack->canUndo());
    m_undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
    m_redo->setEnabled(stack->canRedo());
    m_redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
    action(QStringLiteral("actNewSpan"))->setEnabled(editable);
    for (const char *name : {"actEditSpan", "actDeleteSpan", "actSend", "actIdentify", "actCopy",
                             "actPaste", "actClear", "actImportImage", "actExportImage",
                             "actNewAnimation", "actImportAnimation", "actTextToFrames"})
        action(QLatin1String(name))->setEnabled(hasSpan && editable);
    for (const TransformItem &item : TransformItems)
        action(QStringLiteral("actTransform%1").arg(int(item.transform)))
            ->setEnabled(hasSpan && editable);
    for (const char *name :
         {"actRenameAnimation", "actDeleteAnimation", "actAddFrame", "actExportGif"})
        action(QLatin1String(name))->setEnabled(animation && editable);
    for (const char *name : {"actDuplicateFrame", "actDeleteFrame", "actEarlier", "actLater",
                             "actPlay", "actPlayOnModules"})
        action(QLatin1String(name))->setEnabled(frames && editable);
    action(QStringLiteral("actDeleteFrame"))->setEnabled(frames && m_editor->frames().size() > 1);
    m_canvas->setEnabled(hasSpan && editable);
}

QString SpanWindow::moduleName(int module) const
{
    const QString name = m_modules.portName(module);
    return name.isEmpty() ? tr("no port") : name;
}

void SpanWindow::say(const QString &text)
{
    m_status->setText(text);
}

void SpanWindow::showModules()
{
    if (!m_modules.isAttached()) {
        m_moduleSummary->setText(tr("Modules not connected yet"));
        return;
    }
    int assigned = 0;
    for (int i = 0; i < m_modules.count(); ++i)
        assigned += !m_attached.modules.value(i).target.isEmpty();
    m_moduleSummary->setText(tr("Modules open: %1 of %2").arg(m_modules.openCount()).arg(assigned));
}

void SpanWindow::withModules(std::function<void()> then)
{
    const Span span = m_editor->span();
    if (!m_modules.isAttached() || m_attached.modules != span.modules)
        m_modules.attach(span);
    m_attached = span;
    showModules();
    if (m_modules.isConnecting()) {
        say(tr("Connecting to the modules..."));
        m_whenSettled = std::move(then);
        return;
    }
    then();
}

void SpanWindow::modulesSettled()
{
    showModules();
    if (auto then = std::exchange(m_whenSettled, nullptr))
        then();
}

void SpanWindow::newSpan()
{
    Span span;
    span.name = SpanSection::unusedSpanName(m_editor->spans());
    span.resize(4, 1);
    for (int i = 0; i < span.moduleCount(); ++i)
        span.modules[i].target = QStringLiteral("COM%1").arg(i + 1);
    const auto made =
        SpanDialog::run(m_prompter, this, tr("New Span"), span, m_editor->spans(), -1, m_pool);
    if (made)
        m_editor->newSpan(*made);
}

void SpanWindow::editSpan()
{
    const int index = m_editor->currentSpan();
    if (index < 0)
        return;
    const auto changed = SpanDialog::run(m_prompter, this, tr("Span"), m_editor->span(),
                                         m_editor->spans(), index, m_pool);
    if (changed)
        m_editor->replaceSpan(index, *changed, tr("Change span"));
}

void SpanWindow::deleteSpan()
{
    m_editor->deleteSpan(m_editor->currentSpan());
}

void SpanWindow::sendToModules()
{
    if (m_editor->currentSpan() < 0)
        return;
    stop();
    withModules([this] {
        const Span span = m_editor->span();
        const QList<int> failed = m_modules.send(m_editor->canvas(), span);
        QStringList told;
        for (int module : failed)
            told.append(
                tr("module %1 (%2) is not available: %3")
                    .arg(module + 1)
                    .arg(moduleName(module), m_modules.connection(module)
                                                 ? m_modules.connection(module)->errorString()
                                                 : m_modules.problem(module)));
        say(told.isEmpty() ? tr("Sent to the modules.")
                           : tr("Sent to the others; %1.").arg(told.join(QStringLiteral("; "))));
        showModules();
    });
}

void SpanWindow::identify()
{
    if (m_editor->currentSpan() < 0)
        return;
    stop();
    withModules([this] {
        const QList<int> failed = m_modules.identify();
        QStringList told;
        for (int module : failed)
            told.append(
                tr("module %1 (%2) is not available").arg(module + 1).arg(moduleName(module)));
        say(told.isEmpty()
                ? tr("Each module shows its number and an arrow to its own top.")
                : tr("The others show their number; %1.").arg(told.join(QStringLiteral("; "))));
    });
}

QString SpanWindow::freeAnimationName(const QString &wanted) const
{
    return SpanSection::unusedAnimationName(m_editor->spans(), wanted);
}

void SpanWindow::newAnimation()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New Animation"), tr("Name:"),
                                               QLineEdit::Normal, freeAnimationName(QString()), &ok)
                             .trimmed();
    if (!ok)
        return;
    const QString problem = SpanSection::animationNameProblem(m_editor->spans(), name);
    if (!problem.isEmpty()) {
        m_prompter.message(this, problem);
        return;
    }
    m_editor->newAnimation(name, {}, tr("New animation"));
}

void SpanWindow::renameAnimation()
{
    const int current = m_editor->currentAnimation();
    if (current < 0)
        return;
    const QString old = m_editor->span().animations.at(current).name;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Rename Animation"), tr("Name:"),
                                               QLineEdit::Normal, old, &ok)
                             .trimmed();
    if (!ok || name == old)
        return;
    const QString problem = SpanSection::animationNameProblem(m_editor->spans(), name,
                                                              m_editor->currentSpan(), current);
    if (!problem.isEmpty()) {
        m_prompter.message(this, problem);
        return;
    }
    m_editor->renameAnimation(name);
}

void SpanWindow::playOnScreen()
{
    stop();
    m_playing = m_editor->frames();
    if (m_playing.isEmpty())
        return;
    m_playingOnModules = false;
    m_player.setSpan(m_editor->span());
    m_player.setFrames(m_playing);
    m_player.setLoop(m_loop->isChecked());
    m_player.setConnections({});
    m_canvas->setGhost(std::nullopt);
    m_player.start();
    updateActions();
}

void SpanWindow::playOnModules()
{
    stop();
    if (m_editor->frames().isEmpty())
        return;
    withModules([this] {
        m_playing = m_editor->frames();
        m_playingOnModules = true;
        m_player.setSpan(m_editor->span());
        m_player.setFrames(m_playing);
        m_player.setLoop(m_loop->isChecked());
        m_player.setConnections(m_modules.connections());
        m_canvas->setGhost(std::nullopt);
        say(tr("Playing on the modules."));
        m_player.start();
        updateActions();
    });
}

void SpanWindow::stop()
{
    m_whenSettled = nullptr;
    m_player.stop();
}

void SpanWindow::showPlayingFrame(int frame)
{
    if (frame >= 0 && frame < m_playing.size())
        m_canvas->setCanvas(m_playing.at(frame).canvas);
    showCounts();
}

void SpanWindow::showCounts()
{
    if (m_playing.isEmpty()) {
        m_counts->clear();
        return;
    }
    int skipped = m_player.framesPassed();
    for (int i = 0; i < m_player.moduleCount(); ++i) {
        const SpanPlayer::ModuleCounts counts = m_player.counts(i);
        skipped += counts.replaced + counts.missed;
    }
    m_counts->setText(m_playingOnModules || m_player.framesDue() == 0
                          ? tr("Frame %1 of %2; skipped on the modules: %3")
                                .arg(m_player.framesDue())
                                .arg(m_playing.size())
                                .arg(skipped)
                          : tr("Frame %1 of %2").arg(m_player.framesDue()).arg(m_playing.size()));
}

void SpanWindow::copy()
{
    const Canvas canvas = m_editor->canvas();
    auto *data = new QMimeData;
    data->setText(CanvasText::textArt(canvas));
    data->setImageData(CanvasImage::render(canvas, 8));
    data->setData(QLatin1String(CanvasMimeType), QStringLiteral("%1 %2 %3")
                                                     .arg(canvas.moduleColumns())
                                                     .arg(canvas.moduleRows())
                                                     .arg(CanvasText::rowsText(canvas))
                                                     .toLatin1());
    QGuiApplication::clipboard()->setMimeData(data);
    say(tr("Copied the canvas as text art and as a picture."));
}

void SpanWindow::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const Span span = m_editor->span();
    if (data && data->hasFormat(QLatin1String(CanvasMimeType))) {
        const QString own = QString::fromLatin1(data->data(QLatin1String(CanvasMimeType)));
        const auto canvas = CanvasText::fromRowsText(
            own.section(u' ', 2), own.section(u' ', 0, 0).toInt(), own.section(u' ', 1, 1).toInt());
        if (canvas) {
            m_editor->setCanvas(canvas->resized(span.columns, span.rows), tr("Paste"));
            return;
        }
    }
    const bool hasImage = data && data->hasImage();
    if (data && data->hasText() && !data->text().trimmed().isEmpty()) {
        if (hasImage && !CanvasText::looksLikeTextArt(data->text()) &&
            TextFormats::detect(data->text()).formats.isEmpty())
            pastePicture(qvariant_cast<QImage>(data->imageData()), tr("the clipboard"));
        else
            pasteText(data->text());
        return;
    }
    if (hasImage) {
        pastePicture(qvariant_cast<QImage>(data->imageData()), tr("the clipboard"));
        return;
    }
    m_prompter.message(this, tr("Nothing was pasted: the clipboard holds neither a picture nor "
                                "text art."));
}

bool SpanWindow::pasteText(const QString &text)
{
    const Span span = m_editor->span();
    QString error;
    if (CanvasText::looksLikeTextArt(text)) {
        const auto canvas = CanvasText::parseTextArt(text, span.columns, span.rows, &error);
        return canvas && m_editor->setCanvas(*canvas, tr("Paste"));
    }
    if (const auto canvas = CanvasText::fromRowsText(text.trimmed(), span.columns, span.rows))
        return m_editor->setCanvas(*canvas, tr("Paste"));
    // One module's pattern in any of the workbench's formats, into the module of the focus cell.
    const auto detection = TextFormats::detect(text);
    if (detection.formats.isEmpty()) {
        m_prompter.message(this, tr("Nothing was pasted: the text on the clipboard is neither text "
                                    "art nor a pattern, as %1.")
                                     .arg(detection.error));
        return false;
    }
    QList<FormatChooser::Reading> readings;
    for (TextFormats::Format format : detection.formats) {
        const Pattern pattern = *TextFormats::parse(text, format).pattern;
        if (std::none_of(readings.begin(), readings.end(),
                         [&](const auto &r) { return r.pattern == pattern; }))
            readings.append({format, pattern});
    }
    FormatChooser::Reading reading = readings.first();
    if (readings.size() > 1) {
        const auto chosen =
            FormatChooser::choose(m_prompter, this, readings, EditorSettings::lastBareFormat());
        if (!chosen)
            return false;
        for (const auto &candidate : std::as_const(readings)) {
            if (candidate.format == *chosen)
                reading = candidate;
        }
        EditorSettings::setLastBareFormat(reading.format);
    }
    const QPoint focus = m_canvas->focusDot();
    Canvas canvas = m_editor->canvas();
    canvas.setTile((focus.y() / Canvas::ModuleDots) * span.columns + focus.x() / Canvas::ModuleDots,
                   reading.pattern);
    return m_editor->setCanvas(canvas, tr("Paste"));
}

bool SpanWindow::pastePicture(const QImage &image, const QString &source)
{
    if (image.isNull()) {
        m_prompter.message(this, tr("Nothing was pasted: the picture on %1 is empty.").arg(source));
        return false;
    }
    if (qint64(image.width()) * image.height() > PatternImage::MaxPixels) {
        m_prompter.message(this, tr("Nothing was pasted: the picture on %1 is %2 x %3 pixels, more "
                                    "than the window takes.")
                                     .arg(source)
                                     .arg(image.width())
                                     .arg(image.height()));
        return false;
    }
    const Span span = m_editor->span();
    const CanvasImage::Levels levels = CanvasImage::levels(image, span.columns, span.rows);
    if (CanvasImage::isCrisp(levels))
        return m_editor->setCanvas(CanvasImage::threshold(levels), tr("Paste"));
    const auto choice = CanvasImportDialog::run(m_prompter, this, {levels}, source);
    return choice &&
           m_editor->setCanvas(
               CanvasImage::threshold(levels, choice->threshold, choice->lightIsLit), tr("Paste"));
}

void SpanWindow::applyTransform(Transform transform)
{
    for (const TransformItem &item : TransformItems) {
        if (item.transform == transform)
            m_editor->setCanvas(CanvasTransforms::transformed(m_editor->canvas(), transform),
                                tr(item.stepName));
    }
}

void SpanWindow::clearCanvas()
{
    m_editor->setCanvas(m_editor->span().blankCanvas(), tr("Clear"));
}

void SpanWindow::importImage()
{
    const auto choice = m_prompter.chooseFile(this, FileChooser::Purpose::Open, tr("Import Image"),
                                              EditorSettings::lastFolder(), {pictureFilter()});
    if (!choice.path.isEmpty())
        importImageFile(choice.path);
}

bool SpanWindow::importImageFile(const QString &path)
{
    const Span span = m_editor->span();
    QString error;
    const auto levels = CanvasImage::readLevels(path, span.columns, span.rows, &error);
    if (!levels) {
        m_prompter.message(this, error);
        return false;
    }
    EditorSettings::setLastFolder(QFileInfo(path).absolutePath());
    const auto choice = CanvasImportDialog::run(m_prompter, this, {*levels}, path);
    return choice && m_editor->setCanvas(
                         CanvasImage::threshold(*levels, choice->threshold, choice->lightIsLit),
                         tr("Import Image"));
}

void SpanWindow::importAnimation()
{
    const auto choice = m_prompter.chooseFile(
        this, FileChooser::Purpose::Open, tr("Import Animation"), EditorSettings::lastFolder(),
        {tr("Animated pictures (*.gif *.GIF)"), tr("All pictures (*)")});
    if (!choice.path.isEmpty())
        importAnimationFile(choice.path);
}

bool SpanWindow::importAnimationFile(const QString &path)
{
    const Span span = m_editor->span();
    QString error;
    const auto animated = CanvasImage::readAnimation(path, span.columns, span.rows, &error);
    if (!animated) {
        m_prompter.message(this, tr("Cannot import the animation %1").arg(error));
        return false;
    }
    EditorSettings::setLastFolder(QFileInfo(path).absolutePath());
    const auto choice = CanvasImportDialog::run(m_prompter, this, animated->frames, path);
    if (!choice)
        return false;
    return m_editor->newAnimation(
        freeAnimationName(QFileInfo(path).completeBaseName()),
        CanvasImage::toFrames(*animated, choice->threshold, choice->lightIsLit),
        tr("Import animation"));
}

void SpanWindow::textToFrames()
{
    const Span span = m_editor->span();
    const auto result = SpanTextDialog::run(m_prompter, this, span.columns, span.rows);
    if (!result || result->frames.isEmpty())
        return;
    m_editor->newAnimation(freeAnimationName(tr("Text: %1").arg(result->text.left(24))),
                           result->frames, tr("Text to frames"));
}

QString SpanWindow::chooseSave(const QString &caption, const QString &filter, const QString &suffix)
{
    auto choice = m_prompter.chooseFile(this, FileChooser::Purpose::Save, caption,
                                        EditorSettings::lastFolder(), {filter});
    if (choice.path.isEmpty())
        return {};
    if (QFileInfo(choice.path).suffix().isEmpty())
        choice.path += u'.' + suffix;
    EditorSettings::setLastFolder(QFileInfo(choice.path).absolutePath());
    return choice.path;
}

void SpanWindow::exportGif()
{
    if (m_editor->frames().isEmpty()) {
        m_prompter.message(this, tr("The animation has no frames to export."));
        return;
    }
    const QString path =
        chooseSave(tr("Export GIF"), tr("Animated GIF (*.gif)"), QStringLiteral("gif"));
    if (!path.isEmpty())
        exportGifFile(path);
}

bool SpanWindow::exportGifFile(const QString &path)
{
    QString error;
    if (CanvasImage::writeGif(path, m_editor->frames(), EditorSettings::exportDotSize(), &error))
        return true;
    m_prompter.message(this, tr("Cannot export the animation to %1").arg(error));
    return false;
}

void SpanWindow::exportImage()
{
    const QString path =
        chooseSave(tr("Export Image"), tr("PNG picture (*.png)"), QStringLiteral("png"));
    QString error;
    if (!path.isEmpty() &&
        !CanvasImage::writePng(m_editor->canvas(), EditorSettings::exportDotSize(), path, &error))
        m_prompter.message(this, error);
}

void SpanWindow::closeEvent(QCloseEvent *event)
{
    stop();
    m_modules.detach();
    showModules();
    QMainWindow::closeEvent(event);
}
