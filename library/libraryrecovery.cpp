#include "libraryrecovery.h"

#include "librarydocument.h"

LibraryRecovery::LibraryRecovery(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_store(folder)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(Delay);
    connect(&m_delay, &QTimer::timeout, this, &LibraryRecovery::writeNow);
}

LibraryRecovery::~LibraryRecovery()
{
    if (m_delay.isActive())
        writeNow();
}

void LibraryRecovery::watch(LibraryDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    connect(document, &LibraryDocument::contentsChanged, this, &LibraryRecovery::changed);
    connect(document, &LibraryDocument::modifiedChanged, this, &LibraryRecovery::modifiedChanged);
    changed();
}

void LibraryRecovery::changed()
{
    if (m_document && m_document->isModified())
        m_delay.start();
}

void LibraryRecovery::modifiedChanged(bool modified)
{
    if (modified)
        return;
    m_delay.stop();
    m_store.remove();
}

bool LibraryRecovery::writeNow()
{
    m_delay.stop();
    if (!m_document || !m_document->isModified())
        return true;
    const RecoveryCopy copy{m_document->current(), m_document->filePath(),
                            m_document->isStarterSet(), QDateTime::currentDateTimeUtc()};
    QString error;
    if (m_store.write(copy, &error))
        return true;
    emit writeFailed(error);
    return false;
}

bool LibraryRecovery::restore(const RecoveryCopy &copy, const QString &copyPath)
{
    if (!m_document)
        return false;
    m_document->restore(copy.library, copy.file, copy.starterSet);
    // Restored changes that equal the file leave nothing to keep.
    if (!m_document->isModified() || writeNow())
        RecoveryStore::discard(copyPath);
    return true;
}
