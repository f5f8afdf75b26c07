#pragma once

#include "characterbank.h"

#include <QMap>
#include <QObject>
#include <QString>

// The character bank of the module on the port: whose device it is, its slots, and every change
// kept in the settings store at once, so that what was sent to a module survives a restart.
// Changes to another device's bank (an undo after the port changed) go to that device's entry.
class BankDocument : public QObject
{
    Q_OBJECT

public:
    explicit BankDocument(QObject *parent = nullptr);

    QString device() const { return m_device; }
    const CharacterBank &bank() const { return m_bank; }

    // Shows the bank kept for `device` (a path, or a network endpoint).
    void setDevice(const QString &device);
    // Sets the patterns meant for the positions in `patterns` in `device`'s bank.
    void setPatterns(const QString &device, const QMap<int, Pattern> &patterns);
    // `pattern` went to the module of the shown device at `position`.
    void markUploaded(int position, const Pattern &pattern);

signals:
    void changed();
    void deviceChanged(const QString &device);
    // The settings store could not be written: the bank will not be remembered.
    void saveFailed(const QString &device);

private:
    void save(const CharacterBank &bank, const QString &device);

    QString m_device;
    CharacterBank m_bank;
};
