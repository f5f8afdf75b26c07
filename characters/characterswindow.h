#pragma once

#include "bankuploader.h"
#include "pattern.h"

#include <QMap>
#include <QWidget>

class BankDocument;
class BankModel;
class GlyphModel;
class GridEditor;
class LibraryDocument;
class Prompter;
class QAction;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QRadioButton;
class QSlider;
class QSpinBox;
class ModuleConnection;
class QUndoStack;
class UndoActions;

// The window "Characters": the module's ten custom characters as this program keeps them, and
// glyphs taken from fonts to fill them.
//
// The slots show what the program believes the module holds on the current device, with their
// marks; they are loaded into the grid and stored from it, filled from a font or dropped on from
// the library. Each change of the slots is one step of the window's own undo stack; loading a
// slot or a glyph into the grid is a change of the grid, one step of the grid's. Upload sends a
// slot, or all ten, through a BankUploader at the line's pace. The font part shows an installed
// font (size and threshold) or a PSF or BDF file (scaled or cropped) in a character picker: a click
// puts a glyph on the grid.
class CharactersWindow : public QWidget
{
    Q_OBJECT

public:
    // On actions whose keys reach a view rather than the window: the keys, as the list of
    // shortcuts gives them.
    static constexpr char KeysProperty[] = "keysText";

    CharactersWindow(BankDocument *bank, GridEditor *editor, QUndoStack *history,
                     LibraryDocument *library, ModuleConnection &link, Prompter &prompter,
                     QWidget *parent = nullptr);

    QListView *slotView() const { return m_slots; }
    QListView *glyphView() const { return m_glyphs; }
    BankModel *bankModel() const { return m_bankModel; }
    GlyphModel *glyphModel() const { return m_glyphModel; }
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *statusLabel() const { return m_status; }
    QSlider *thresholdSlider() const { return m_threshold; }
    QSpinBox *sizeBox() const { return m_size; }
    QFontComboBox *familyBox() const { return m_family; }
    QRadioButton *cropButton() const { return m_crop; }
    QLineEdit *fillBox() const { return m_fillText; }
    QLabel *blankNote() const { return m_blankNote; }
    UndoActions *undoActions() const { return m_undo; }
    // The window's actions with their shortcuts, for the list of keyboard shortcuts.
    QList<QAction *> shortcutActions() const { return m_actions; }
    bool isUploading() const { return m_uploader.isRunning(); }

    int currentSlot() const;
    void selectSlot(int position);

    void loadSlotIntoGrid();
    void storeGridInSlot();
    // Patterns for the slots from `position` on, as one undo step.
    void storePatterns(int position, const QList<Pattern> &patterns, const QString &stepName);
    void upload();
    void uploadAll();
    void cancelUpload();

    void chooseFontFile();
    // False, with the reader's message shown and nothing changed, for a file that holds no font.
    bool openFontFile(const QString &path);
    void useInstalledFont();
    void putGlyphOnGrid(int row);
    // Up to ten characters of the shown font into slots 0 on, as one undo step. False, and
    // nothing changed, when the font lacks one of them.
    bool fillSlots(const QString &characters);

    // The bank goes into the open library, which is then saved.
    bool saveBankInLibrary();
    void chooseLibraryFile();
    bool loadBankFromFile(const QString &path);

signals:
    // An upload was asked for while the port is closed or could not be written.
    void portUnavailable();

private:
    Prompter &m_prompter;
    void buildSlotPart(QGroupBox *box);
    void buildFontPart(QGroupBox *box);
    QAction *addAction(const QString &text, const QKeySequence &shortcut,
                       void (CharactersWindow::*slot)());
    void changeSlots(const QMap<int, Pattern> &after, const QString &stepName);
    void startUpload(const QList<int> &positions);
    void uploadFinished(bool completed);
    void updateUploadActions();
    void updateDevice();
    void applyInstalledFont();
    void updateFontControls();
    void updatePreview();

    BankDocument *m_bank;
    GridEditor *m_editor;
    QUndoStack *m_history;
    UndoActions *m_undo = nullptr;
    LibraryDocument *m_library;
    ModuleConnection &m_link;
    BankUploader m_uploader;

    BankModel *m_bankModel = nullptr;
    GlyphModel *m_glyphModel = nullptr;
    QGroupBox *m_slotBox = nullptr;
    QListView *m_slots = nullptr;
    QListView *m_glyphs = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_previewText = nullptr;
    QLabel *m_fontFile = nullptr;
    QLabel *m_thresholdValue = nullptr;
    // The characters the installed font draws without a dot, when there are any.
    QLabel *m_blankNote = nullptr;
    QRadioButton *m_installed = nullptr;
    QRadioButton *m_file = nullptr;
    QRadioButton *m_scale = nullptr;
    QRadioButton *m_crop = nullptr;
    QFontComboBox *m_family = nullptr;
    QSpinBox *m_size = nullptr;
    QSlider *m_threshold = nullptr;
    QLineEdit *m_fillText = nullptr;

    QList<QAction *> m_actions;
    QAction *m_upload = nullptr;
    QAction *m_uploadAll = nullptr;
    QAction *m_cancel = nullptr;

    int m_uploadDone = 0;
    int m_uploadTotal = 0;
    bool m_cancelRequested = false;
    bool m_portLostSeen = false;
};
