#pragma once

#include "pattern.h"
#include "protocol.h"
#include "transforms.h"

#include <QKeySequence>
#include <QObject>

#include <functional>

class DotGrid;
class GridEditor;
class ModuleConnection;
class Prompter;
class QAction;
class QImage;
class QMenu;
class QMenuBar;
class UndoHistory;

// The Edit menu (also the grid's context menu) and the picture actions of the Pattern menu:
// undo and redo of the active history, copy and paste in every text format and as pictures, the
// transforms, Clear ALL, Send as You Draw, and picture import and export. Every change of the
// grid goes through its GridEditor as one undo step; Send as You Draw goes to the module through
// the connection, a pattern still waiting for the line replaced by the newer one.
class EditController : public QObject
{
    Q_OBJECT

public:
    // Several pictures at once (the web editor's IMAGES block) offered as an animation: handled
    // by whoever keeps animations; false when nothing changed.
    using ImagesHandler = std::function<bool(const QList<Pattern> &images, const QString &name)>;

    EditController(DotGrid &grid, GridEditor &editor, UndoHistory &history,
                   ModuleConnection &connection, Prompter &prompter, QWidget *window,
                   QObject *parent = nullptr);

    // Builds the Edit menu on `bar`; it is also the grid's context menu.
    QMenu *buildMenu(QMenuBar *bar);
    QMenu *menu() const { return m_menu; }
    // Import Image and Export Image, in the Pattern menu.
    void addPictureActions(QMenu *pattern);
    void setImagesHandler(ImagesHandler handler) { m_imagesHandler = std::move(handler); }

    void copy();
    void paste();
    // Text in any format; false (and the user told why) when it is no pattern.
    bool pasteText(const QString &text);
    void pastePicture(const QImage &image, const QString &source);
    // Several pictures at once: a new animation (the images handler), or the first picture on
    // the grid, as the user chooses. False when nothing changed.
    bool pasteImages(const QList<Pattern> &images, const QString &arrayName);
    void applyTransform(Transform transform);
    void importImage();
    bool importImageFile(const QString &path);
    void exportImage();
    // Edit > Send as You Draw.
    QAction *sendAsYouDrawAction() const { return m_sendAsYouDraw; }

private:
    void updateUndoActions();
    void readSendAsYouDraw();
    void sendAsYouDraw(const Pattern &pattern);
    Pattern gridPattern() const;
    QAction *addAction(QMenu *menu, const char *name, const QString &text,
                       const QKeySequence &shortcut = QKeySequence());

    DotGrid &m_grid;
    GridEditor &m_editor;
    UndoHistory &m_history;
    ModuleConnection &m_connection;
    Prompter &m_prompter;
    QWidget *m_window;
    ImagesHandler m_imagesHandler;
    QMenu *m_menu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_sendAsYouDraw = nullptr;
    bool m_sendAsYouDrawRead = false;
};
