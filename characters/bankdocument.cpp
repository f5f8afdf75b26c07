#include "bankdocument.h"

BankDocument::BankDocument(QObject *parent)
    : QObject(parent)
{}

void BankDocument::setDevice(const QString &device)
{
    if (device == m_device)
        return;
    m_device = device;
    m_bank = CharacterBank::load(device);
    emit deviceChanged(device);
    emit changed();
}

void BankDocument::setPatterns(const QString &device, const QMap<int, Pattern> &patterns)
{
    const bool shown = device == m_device;
    CharacterBank bank = shown ? m_bank : CharacterBank::load(device);
    for (auto it = patterns.begin(); it != patterns.end(); ++it)
        bank.setPattern(it.key(), it.value());
    save(bank, device);
    if (shown) {
        m_bank = bank;
        emit changed();
    }
}

void BankDocument::markUploaded(int position, const Pattern &pattern)
{
    m_bank.markUploaded(position, pattern);
    save(m_bank, m_device);
    emit changed();
}

void BankDocument::save(const CharacterBank &bank, const QString &device)
{
    if (!bank.save(device))
        emit saveFailed(device);
}
