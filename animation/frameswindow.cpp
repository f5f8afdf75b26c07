#include "frameswindow.h"

#include "animatedpicture.h"
#include "dotgrid.h"
#include "editorsettings.h"
#include "frameseditor.h"
#include "framesmodel.h"
#include "gifimportdialog.h"
#include "grideditor.h"
#include "librarywindow.h"
#include "messagebox.h"
#include "patternpicture.h"
#include "prompter.h"
#include "textformats.h"
#include "textframesdialog.h"
#include "undoactions.h"
#include "windowstyle.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int PreviewDot = 12;

QPushButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QPushButton(action->text(), parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    if (!keys.isEmpty())
        button->setToolTip(QStringLiteral("%1 (%2)").arg(action->iconText(), keys));
    return button;
}

// A C name from an animation's name: letters, digits and underscores, not starting with a digit.
QString cName(const QString &name)
{
    QString out = name.toLower();
    out.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
    out.remove(QRegularExpression(QStringLiteral("^_+|_+$")));
    if (out.isEmpty() || out.at(0).isDigit())
        out.prepend(QStringLiteral("animation_"));
    return out;
}

} // namespace

FramesWindow::FramesWindow(FramesEditor *editor, GridEditor *grid, Prompter &prompter,
                           QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_editor(editor)
    , m_grid(grid)
    , m_model(new FramesModel(editor, this))
{
    setObjectName(QStringLiteral("frmFrames"));
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Frames"));
    setFont(dialogFont());

    // Animations.
    m_animations = new QComboBox(this);
    m_animations->setObjectName(QStringLiteral("cboAnimation"));
    m_animations->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *animationLabel = new QLabel(tr("&Animation:"), this);
    animationLabel->setBuddy(m_animations);
    QAction *newAnimation = addAction(tr("&New Animation..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newAnimation, &QAction::triggered, this, &FramesWindow::newAnimation);
    QAction *rename = addAction(tr("&Rename..."), QKeySequence(Qt::Key_F2));
    connect(rename, &QAction::triggered, this, &FramesWindow::renameAnimation);
    QAction *deleteAnimation = addAction(tr("Delete Animat&ion"), QKeySequence());
    connect(deleteAnimation, &QAction::triggered, m_editor, &FramesEditor::deleteAnimation);
    auto *animationRow = new QHBoxLayout;
    animationRow->addWidget(animationLabel);
    animationRow->addWidget(m_animations, 1);
    for (QAction *action : {newAnimation, rename, deleteAnimation})
        animationRow->addWidget(buttonFor(action, this));

    // The strip of frames.
    m_strip = new LibraryView(this);
    m_strip->setObjectName(QStringLiteral("lstFrames"));
    m_strip->setWrapping(false);
    m_strip->setSelectionMode(QAbstractItemView::SingleSelection);
    m_strip->setModel(m_model);
    m_strip->setFixedHeight(110);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QAction *add = addAction(tr("A&dd Frame"), QKeySequence(Qt::Key_Insert));
    connect(add, &QAction::triggered, m_editor, &FramesEditor::addFrame);
    QAction *duplicate = addAction(tr("D&uplicate"), QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(duplicate, &QAction::triggered, m_editor, &FramesEditor::duplicateFrame);
    QAction *remove = addAction(tr("De&lete Frame"), QKeySequence(Qt::Key_Delete));
    connect(remove, &QAction::triggered, m_editor, &FramesEditor::deleteFrame);
    QAction *earlier = addAction(tr("Move &Earlier"), QKeySequence(Qt::ALT | Qt::Key_Left));
    connect(earlier, &QAction::triggered, this, [this] {
        m_editor->moveFrame(m_editor->selectedFrame(), m_editor->selectedFrame() - 1);
    });
    QAction *later = addAction(tr("Move La&ter"), QKeySequence(Qt::ALT | Qt::Key_Right));
    connect(later, &QAction::triggered, this, [this] {
        m_editor->moveFrame(m_editor->selectedFrame(), m_editor->selectedFrame() + 1);
    });
    // The window's own history; the grid's changes of a frame are in it too.
    QUndoStack *history = m_editor->history();
    m_undo = new UndoActions(
        history, this, [this, history] { m_grid->undo(history); },
        [this, history] { m_grid->redo(history); });
    m_actions.append({m_undo->undoAction(), m_undo->redoAction()});
    auto *undoRow = new QHBoxLayout;
    undoRow->addWidget(UndoActions::button(m_undo->undoAction(), this));
    undoRow->addWidget(UndoActions::button(m_undo->redoAction(), this));
    undoRow->addStretch();
    m_duration = new QSpinBox(this);
    m_duration->setObjectName(QStringLiteral("spnDuration"));
    m_duration->setRange(Frames::MinDurationMs, Frames::MaxDurationMs);
    m_duration->setSuffix(tr(" ms"));
    m_duration->setKeyboardTracking(false);
    auto *durationLabel = new QLabel(tr("Ti&me:"), this);
    durationLabel->setBuddy(m_duration);
    m_onionSkin = new QCheckBox(tr("&Onion skin"), this);
    m_onionSkin->setObjectName(QStringLiteral("chkOnionSkin"));
    m_onionSkin->setToolTip(tr("Show the previous frame faintly in the grid"));
    auto *frameRow = new QHBoxLayout;
    for (QAction *action : {add, duplicate, remove, earlier, later})
        frameRow->addWidget(buttonFor(action, this));
    frameRow->addStretch();
    frameRow->addWidget(durationLabel);
    frameRow->addWidget(m_duration);
    frameRow->addWidget(m_onionSkin);

    // Playing.
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("lblPreview"));
    m_preview->setFixedSize(Pattern::Columns * PreviewDot, Pattern::Rows * PreviewDot);
    QAction *play = addAction(tr("&Play"), QKeySequence(Qt::Key_F5));
    connect(play, &QAction::triggered, this, &FramesWindow::playOnScreen);
    QAction *playOnModule = addAction(tr("Play on &Module"), QKeySequence(Qt::SHIFT | Qt::Key_F5));
    connect(playOnModule, &QAction::triggered, this, &FramesWindow::playOnModule);
    // Stop only stops; the window closes as windows do (Ctrl+W, or its title bar).
    QAction *stopAction = addAction(tr("&Stop"), QKeySequence(Qt::Key_Escape));
    connect(stopAction, &QAction::triggered, this, &FramesWindow::stop);
    QAction *closeAction = addAction(tr("Close Window"), QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    m_loop = new QCheckBox(tr("Loo&p"), this);
    m_loop->setObjectName(QStringLiteral("chkLoop"));
    m_loop->setChecked(true);
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("lblCounts"));
    // Sized once for the widest counts: a label that changes its size hint many times a second
    // while playing would lay out and repaint the whole window each time.
    m_counts->setText(countsText(9'999'999, 9'999'999));
    m_counts->setFixedSize(m_counts->sizeHint());
    auto *playBox = new QGroupBox(tr("Play"), this);
    auto *playLayout = new QGridLayout(playBox);
    playLayout->addWidget(m_preview, 0, 0, 4, 1);
    playLayout->addWidget(buttonFor(play, this), 0, 1);
    playLayout->addWidget(buttonFor(playOnModule, this), 1, 1);
    playLayout->addWidget(buttonFor(stopAction, this), 2, 1);
    playLayout->addWidget(m_loop, 3, 1);
    playLayout->addWidget(m_counts, 4, 0, 1, 2);

    // Files.
    QAction *import = addAction(tr("&Import Animation..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(import, &QAction::triggered, this, &FramesWindow::importAnimation);
    QAction *text = addAction(tr("Te&xt to Frames..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(text, &QAction::triggered, this, &FramesWindow::textToFrames);
    QAction *gif = addAction(tr("Export &GIF..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(gif, &QAction::triggered, this, &FramesWindow::exportGif);
    QAction *sheet = addAction(tr("Export Sprite S&heet..."), QKeySequence());
    connect(sheet, &QAction::triggered, this, &FramesWindow::exportSpriteSheet);
    QAction *array = addAction(tr("Export &C Array..."), QKeySequence());
    connect(array, &QAction::triggered, this, [this] { exportCArray(); });
    auto *fileBox = new QGroupBox(tr("Files"), this);
    auto *fileLayout = new QVBoxLayout(fileBox);
    for (QAction *action : {import, text, gif, sheet, array})
        fileLayout->addWidget(buttonFor(action, this));

    auto *lower = new QHBoxLayout;
    lower->addWidget(playBox);
    lower->addWidget(fileBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(undoRow);
    layout->addLayout(animationRow);
    layout->addWidget(m_strip);
    layout->addLayout(frameRow);
    layout->addLayout(lower);

    connect(m_editor, &FramesEditor::changed, this, &FramesWindow::refresh);
    connect(m_animations, &QComboBox::activated, m_editor, &FramesEditor::selectAnimation);
    connect(m_strip->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_refreshing && current.isValid())
                    m_editor->selectFrame(current.row());
            });
    connect(m_strip, &LibraryView::rowsDropped, this, [this](const QList<int> &rows, int to) {
        if (rows.size() == 1)
            m_editor->moveFrame(rows.first(), rows.first() < to ? to - 1 : to);
    });
    connect(m_duration, &QSpinBox::valueChanged, this, [this](int ms) {
        if (!m_refreshing)
            m_editor->setDuration(m_editor->selectedFrame(), ms);
    });
    connect(m_onionSkin, &QCheckBox::toggled, this, &FramesWindow::updateGhost);
    connect(&m_player, &FramePlayer::frameDue, this, &FramesWindow::showFrame);
    connect(&m_player, &FramePlayer::countsChanged, this, &FramesWindow::showCounts);
    // The port closed or went away under the player: said once, as the main window says it.
    connect(&m_player, &FramePlayer::sendFailed, this, &FramesWindow::portUnavailable);
    // A command sent from elsewhere while playing on the module wins: the player stops for it
    // rather than cover it with the next frame, and says so.
    connect(&m_player, &FramePlayer::interrupted, this, [this] {
        m_counts->setText(m_counts->text() + u'\n' +
                          tr("Stopped: another message was sent to the module."));
    });
    connect(&m_player, &FramePlayer::stopped, this, &FramesWindow::showPreview);
    refresh();
    showCounts(0, 0);
}

FramesWindow::~FramesWindow()
{
    // The editor the window shows may be gone already: stopping tells no one.
    disconnect(&m_player, nullptr, this, nullptr);
    m_player.stop();
}

QAction *FramesWindow::addAction(const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    QString plain = text;
    plain.remove(u'&');
    plain.remove(QStringLiteral("..."));
    action->setIconText(plain);
    QWidget::addAction(action);
    if (!shortcut.isEmpty())
        m_actions.append(action);
    return action;
}

void FramesWindow::showEvent(QShowEvent *event)
{
    m_editor->setActive(true);
    QWidget::showEvent(event);
}

void FramesWindow::hideEvent(QHideEvent *event)
{
    stop();
    m_grid->grid()->setGhost(std::nullopt);
    m_editor->setActive(false);
    QWidget::hideEvent(event);
}

void FramesWindow::refresh()
{
    m_refreshing = true;
    m_animations->clear();
    for (const Animation &animation : m_editor->animations())
        m_animations->addItem(animation.name);
    m_animations->setCurrentIndex(m_editor->currentAnimation());
    m_model->refresh();
    const int selected = m_editor->selectedFrame();
    const QList<Frame> frames = m_editor->frames();
    if (selected >= 0) {
        m_strip->setCurrentIndex(m_model->index(selected));
        m_strip->scrollTo(m_model->index(selected));
        m_duration->setValue(frames.at(selected).durationMs);
    }
    m_duration->setEnabled(selected >= 0);
    setWindowTitle(m_editor->currentAnimation() >= 0
                       ? tr("Frames: %1").arg(m_animations->currentText())
                       : tr("Frames"));
    // A running animation plays the frames as they are now: an edited frame at its next turn,
    // and another animation, or none, once it is the current one.
    if (m_player.isPlaying())
        m_player.updateFrames(frames);
    showPreview();
    m_refreshing = false;
    updateGhost();
}

// The selected frame while nothing plays; nothing at all without one, never a frame that is
// gone.
void FramesWindow::showPreview()
{
    if (m_player.isPlaying())
        return;
    const int selected = m_editor->selectedFrame();
    if (selected >= 0)
        showFrame(selected);
    else
        m_preview->setPixmap(QPixmap());
}

// The previous frame, faintly under the selected one. Only drawn: what is sent is the grid's.
void FramesWindow::updateGhost()
{
    const int selected = m_editor->selectedFrame();
    if (!m_onionSkin->isChecked() || selected <= 0 || !isVisible()) {
        m_grid->grid()->setGhost(std::nullopt);
        return;
    }
    m_grid->grid()->setGhost(m_editor->frames().at(selected - 1).pattern);
}

void FramesWindow::showFrame(int frame)
{
    const QList<Frame> &frames = m_player.isPlaying() ? m_player.frames() : m_editor->frames();
    if (frame < 0 || frame >= frames.size())
        return;
    m_preview->setPixmap(PatternPicture::draw(frames.at(frame).pattern, PreviewDot));
}

QString FramesWindow::countsText(int shown, int skipped)
{
    return tr("Shown: %1   Skipped: %2").arg(shown).arg(skipped);
}

void FramesWindow::showCounts(int shown, int skipped)
{
    m_counts->setText(countsText(shown, skipped));
}

void FramesWindow::playOnScreen()
{
    play(false);
}

void FramesWindow::playOnModule()
{
    if (!m_connection || !m_connection->isOpen()) {
        emit portUnavailable();
        return;
    }
    play(true);
}

void FramesWindow::play(bool onModule)
{
    stop();
    const QList<Frame> frames = m_editor->frames();
    if (frames.isEmpty())
        return;
    m_player.setFrames(frames);
    m_player.setLoop(m_loop->isChecked());
    m_player.setConnection(onModule ? m_connection.data() : nullptr);
    m_player.start();
}

void FramesWindow::stop()
{
    m_player.stop();
}

QString FramesWindow::freeName(const QString &wanted) const
{
    const auto taken = [this](const QString &name) {
        const auto &all = m_editor->animations();
        return std::any_of(all.begin(), all.end(),
                           [&name](const Animation &a) { return a.name == name; });
    };
    if (!taken(wanted))
        return wanted;
    for (int number = 2;; ++number) {
        const QString name = QStringLiteral("%1 %2").arg(wanted).arg(number);
        if (!taken(name))
            return name;
    }
}

void FramesWindow::newAnimation()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New Animation"), tr("Name:"),
                                               QLineEdit::Normal, m_editor->unusedName(), &ok)
                             .trimmed();
    if (!ok)
        return;
    if (name.isEmpty()) {
        m_prompter.message(this, tr("An animation needs a name."));
        return;
    }
    m_editor->newAnimation(freeName(name), {Frame{}}, tr("New animation"));
}

void FramesWindow::renameAnimation()
{
    const int current = m_editor->currentAnimation();
    if (current < 0)
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Rename Animation"), tr("Name:"), QLineEdit::Normal,
                              m_editor->animations().at(current).name, &ok)
            .trimmed();
    if (!ok || name == m_editor->animations().at(current).name)
        return;
    if (name.isEmpty()) {
        m_prompter.message(this, tr("An animation needs a name."));
        return;
    }
    for (int i = 0; i < m_editor->animations().size(); ++i) {
        if (i != current && m_editor->animations().at(i).name == name) {
            m_prompter.message(this, tr("There is already an animation named \"%1\".").arg(name));
            return;
        }
    }
    m_editor->renameAnimation(name);
}

void FramesWindow::importAnimation()
{
    const auto choice = m_prompter.chooseFile(
        this, FileChooser::Purpose::Open, tr("Import Animation"), EditorSettings::lastFolder(),
        {tr("Animated pictures (*.gif *.GIF)"), tr("All pictures (*)")});
    if (!choice.path.isEmpty()) {
        EditorSettings::setLastFolder(QFileInfo(choice.path).absolutePath());
        importAnimationFile(choice.path);
    }
}

bool FramesWindow::importAnimationFile(const QString &path)
{
    QString error;
    const auto picture = AnimatedPicture::read(path, &error);
    if (!picture) {
        m_prompter.message(this, tr("Cannot import the animation %1").arg(error));
        return false;
    }
    const auto frames = GifImportDialog::run(m_prompter, this, *picture, path);
    if (!frames)
        return false;
    return m_editor->newAnimation(freeName(QFileInfo(path).completeBaseName()), *frames,
                                  tr("Import animation"));
}

void FramesWindow::textToFrames()
{
    const auto result = TextFramesDialog::run(m_prompter, this);
    if (!result || result->frames.isEmpty())
        return;
    m_editor->newAnimation(freeName(tr("Text: %1").arg(result->text.left(24))), result->frames,
                           tr("Text to frames"));
}

QString FramesWindow::chooseExport(const QString &caption, const QString &filter,
                                   const QString &suffix)
{
    if (m_editor->frames().isEmpty()) {
        m_prompter.message(this, tr("The animation has no frames to export."));
        return {};
    }
    const QString name = FileChooser::fileNameFor(
        m_editor->animations().at(m_editor->currentAnimation()).name, suffix, tr("Animation"));
    auto choice = m_prompter.chooseFile(this, FileChooser::Purpose::Save, caption,
                                        EditorSettings::lastFolder(), {filter}, QString(), name);
    if (choice.path.isEmpty())
        return {};
    if (QFileInfo(choice.path).suffix().isEmpty())
        choice.path += u'.' + suffix;
    EditorSettings::setLastFolder(QFileInfo(choice.path).absolutePath());
    return choice.path;
}

void FramesWindow::exportGif()
{
    const QString path =
        chooseExport(tr("Export GIF"), tr("Animated GIF (*.gif)"), QStringLiteral("gif"));
    QString error;
    if (!path.isEmpty() && !AnimatedPicture::writeGif(path, m_editor->frames(),
                                                      EditorSettings::exportDotSize(), &error))
        m_prompter.message(this, tr("Cannot export the animation to %1").arg(error));
}

void FramesWindow::exportSpriteSheet()
{
    const QString path =
        chooseExport(tr("Export Sprite Sheet"), tr("PNG picture (*.png)"), QStringLiteral("png"));
    QString error;
    if (!path.isEmpty() && !AnimatedPicture::writeSpriteSheet(
                               path, m_editor->frames(), EditorSettings::exportDotSize(), &error))
        m_prompter.message(this, tr("Cannot export the sprite sheet to %1").arg(error));
}

void FramesWindow::exportCArray()
{
    const QStringList forms = {TextFormats::displayName(TextFormats::Format::ModuleBytes),
                               TextFormats::displayName(TextFormats::Format::RowBytes)};
    bool ok = false;
    const QString form =
        QInputDialog::getItem(this, tr("Export C Array"), tr("Bytes:"), forms, 0, false, &ok);
    if (ok)
        exportCArray(form == forms.at(1));
}

void FramesWindow::exportCArray(bool rows)
{
    const QString path =
        chooseExport(tr("Export C Array"), tr("C header (*.h)"), QStringLiteral("h"));
    if (path.isEmpty())
        return;
    const QList<Frame> frames = m_editor->frames();
    const QString name = cName(m_animations->currentText());
    QString text = QStringLiteral("// \"%1\": %2 frames, %3.\n")
                       .arg(m_animations->currentText())
                       .arg(frames.size())
                       .arg(rows ? tr("one byte per row, top row first, leftmost dot in bit 7")
                                 : tr("the module's bytes, leftmost column first, dots weighing "
                                      "16, 32, 64, 128, 1, 2, 4, 8 from the top"));
    text += QStringLiteral("const uint8_t %1_frames[%2][8] = {\n").arg(name).arg(frames.size());
    for (const Frame &frame : frames) {
        QStringList bytes;
        if (rows) {
            for (quint8 byte : frame.pattern.rows())
                bytes.append(QStringLiteral("0x%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
        } else {
            for (quint8 byte : frame.pattern.columns())
                bytes.append(QStringLiteral("0x%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
        }
        text += QStringLiteral("    {%1},\n")
                    .arg(bytes.join(QStringLiteral(", "))
                             .replace(QStringLiteral("0X"), QStringLiteral("0x")));
    }
    text += QStringLiteral("};\n");
    QStringList durations;
    for (const Frame &frame : frames)
        durations.append(QString::number(frame.durationMs));
    text += QStringLiteral("const uint16_t %1_durations_ms[%2] = {%3};\n")
                .arg(name)
                .arg(frames.size())
                .arg(durations.join(QStringLiteral(", ")));
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_prompter.message(this, tr("Cannot export the animation to %1: %2")
                                     .arg(QFileInfo(path).fileName(), file.errorString()));
}
