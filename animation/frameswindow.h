#pragma once

#include "frameplayer.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class Prompter;
class DotGrid;
class FramesEditor;
class FramesModel;
class GridEditor;
class LibraryView;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class UndoActions;

// The window "Frames": the animations of the open library, the current one's frames as a strip
// of thumbnails, and what is done with them. The selected frame is the one the main grid edits;
// frames are added, duplicated, deleted, moved and timed here, each change one step of the
// window's own undo stack, with the grid's changes of the frame. An animation plays in the
// window's preview, and on the module, each frame sent as the dot-pattern message at its time,
// as the frames are at that moment: a frame edited while it plays is played as it is now. It
// comes from and goes to animated GIFs, sprite sheets, C arrays, and text scrolled in any font.
class FramesWindow : public QWidget
{
    Q_OBJECT

public:
    FramesWindow(FramesEditor *editor, GridEditor *grid, Prompter &prompter,
                 QWidget *parent = nullptr);
    ~FramesWindow() override;

    // The module that Play on Module plays on.
    void setConnection(ModuleConnection *connection) { m_connection = connection; }

    FramePlayer *player() { return &m_player; }
    LibraryView *strip() const { return m_strip; }
    QComboBox *animationList() const { return m_animations; }
    QSpinBox *durationBox() const { return m_duration; }
    QCheckBox *onionSkinBox() const { return m_onionSkin; }
    QCheckBox *loopBox() const { return m_loop; }
    QLabel *countsLabel() const { return m_counts; }
    QLabel *previewLabel() const { return m_preview; }
    UndoActions *undoActions() const { return m_undo; }
    // The window's actions with their shortcuts, for the list of keyboard shortcuts.
    QList<QAction *> shortcutActions() const { return m_actions; }

    void newAnimation();
    void renameAnimation();
    void playOnScreen();
    void playOnModule();
    void stop();
    void importAnimation();
    bool importAnimationFile(const QString &path);
    void textToFrames();
    void exportGif();
    void exportSpriteSheet();
    // Asks which bytes: the module's, or rows with the leftmost dot in bit 7.
    void exportCArray();
    void exportCArray(bool rows);

signals:
    // Play on Module found the port closed, or lost it while playing.
    void portUnavailable();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Prompter &m_prompter;
    QAction *addAction(const QString &text, const QKeySequence &shortcut);
    void refresh();
    void updateGhost();
    void showFrame(int frame);
    void showPreview();
    void play(bool onModule);
    static QString countsText(int shown, int skipped);
    void showCounts(int shown, int skipped);
    QString freeName(const QString &wanted) const;
    QString chooseExport(const QString &caption, const QString &filter, const QString &suffix);

    FramesEditor *m_editor;
    GridEditor *m_grid;
    FramesModel *m_model;
    FramePlayer m_player;
    QPointer<ModuleConnection> m_connection;
    QList<QAction *> m_actions;
    UndoActions *m_undo = nullptr;
    QComboBox *m_animations = nullptr;
    LibraryView *m_strip = nullptr;
    QSpinBox *m_duration = nullptr;
    QCheckBox *m_onionSkin = nullptr;
    QCheckBox *m_loop = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_counts = nullptr;
    bool m_refreshing = false;
};
