#pragma once

#include "spanmodules.h"
#include "spanplayer.h"
#include "transforms.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class Prompter;
class ConnectionPool;
class LibraryDocument;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QSpinBox;
class SpanCanvasView;
class SpanEditor;
class SpanFramesModel;

// The window "Spans" (Pattern > Spans): several modules side by side as one display. The spans
// of the open library, each with its modules and how each is mounted (the dialog "Span"); its
// canvas, drawn on as the main grid is (strokes, the focus cell and Space, undo, the transforms
// that keep its shape, copy and paste, picture import with a threshold); "Send to Modules",
// which sends every module its slice at once; and the span's animations as the Frames window
// has them: a strip of frames with their times, onion skin, Play on screen and on the modules in
// step, GIF import and export and Text to Frames at the span's size.
//
// SpanEditor keeps the spans and every change as a step of this window's undo stack;
// SpanCanvasView draws the canvas; SpanModules gets each module's connection from the program's
// ConnectionPool when the modules are first needed; SpanPlayer plays on them. The status line
// says which modules are open, and which dropped out while playing and came back.
class SpanWindow : public QMainWindow
{
    Q_OBJECT

public:
    SpanWindow(LibraryDocument *document, ConnectionPool *pool, Prompter &prompter,
               QWidget *parent = nullptr);
    ~SpanWindow() override;

    SpanEditor *editor() const { return m_editor; }
    SpanCanvasView *canvasView() const { return m_canvas; }
    SpanPlayer *player() { return &m_player; }
    SpanModules *modules() { return &m_modules; }
    QComboBox *spanList() const { return m_spans; }
    QComboBox *animationList() const { return m_animations; }
    QListView *strip() const { return m_strip; }
    QSpinBox *durationBox() const { return m_duration; }
    QCheckBox *onionSkinBox() const { return m_onionSkin; }
    QCheckBox *loopBox() const { return m_loop; }
    QLabel *countsLabel() const { return m_counts; }
    // The status line: what the modules did last.
    QLabel *statusLabel() const { return m_status; }
    // The window's actions with their shortcuts, for the list of keyboard shortcuts.
    QList<QAction *> shortcutActions() const { return m_shortcutActions; }
    QAction *action(const QString &objectName) const;

    void newSpan();
    void editSpan();
    void deleteSpan();
    void sendToModules();
    void identify();
    void newAnimation();
    void renameAnimation();
    void playOnScreen();
    void playOnModules();
    void stop();

    void copy();
    void paste();
    // Text art of any size, the canvas's rows as the file keeps them, or one module's pattern in
    // any of the workbench's formats (into the module under the focus cell); false, and the user
    // told why, for anything else.
    bool pasteText(const QString &text);
    // Brought down to the canvas's size: at once when it is crisp dots, else with a threshold.
    bool pastePicture(const QImage &image, const QString &source);
    void applyTransform(Transform transform);
    void clearCanvas();
    void importImage();
    bool importImageFile(const QString &path);
    void importAnimation();
    bool importAnimationFile(const QString &path);
    void textToFrames();
    void exportGif();
    bool exportGifFile(const QString &path);
    void exportImage();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Prompter &m_prompter;
    QAction *addAction(QMenu *menu, const QString &name, const QString &text,
                       const QList<QKeySequence> &shortcuts = {});
    void buildMenus();
    QWidget *buildCentre();
    void refresh();
    void showCanvas();
    void updateGhost();
    void updateActions();
    void showPlayingFrame(int frame);
    void showCounts();
    void showModules();
    void say(const QString &text);
    // Attaches the current span's modules if they are not, and calls `then` once no network
    // module is still being connected.
    void withModules(std::function<void()> then);
    void modulesSettled();
    QString moduleName(int module) const;
    QString freeAnimationName(const QString &wanted) const;
    QString chooseSave(const QString &caption, const QString &filter, const QString &suffix);

    SpanEditor *m_editor;
    QPointer<ConnectionPool> m_pool;
    SpanModules m_modules;
    Span m_attached; // the span whose modules are attached
    std::function<void()> m_whenSettled;
    SpanPlayer m_player;
    QList<SpanFrame> m_playing;
    bool m_playingOnModules = false;
    SpanFramesModel *m_framesModel = nullptr;
    SpanCanvasView *m_canvas = nullptr;
    QComboBox *m_spans = nullptr;
    QComboBox *m_animations = nullptr;
    QListView *m_strip = nullptr;
    QSpinBox *m_duration = nullptr;
    QCheckBox *m_onionSkin = nullptr;
    QCheckBox *m_loop = nullptr;
    QLabel *m_counts = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_moduleSummary = nullptr;
    QList<QAction *> m_shortcutActions;
    // By object name: the window has hundreds of children to search otherwise.
    QHash<QString, QAction *> m_actions;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    bool m_refreshing = false;
    // What the lists and the strip show, so that a change rebuilds only what it changed.
    QStringList m_spanNames;
    QStringList m_animationNames;
    QSize m_thumbnailSize;
};
