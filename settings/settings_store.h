#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace tandem::settings {

// The per-user settings store: text values by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString Read(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual void Write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void DeleteSection(const QString& section) = 0;
    // Makes the writes last; false when they could not be stored.
    virtual bool Save() = 0;
    // The file the settings live in; empty for the Windows registry.
    virtual QString FileName() const { return {}; }
};

// The program's store: the registry under HKEY_CURRENT_USER on Windows, an
// INI file in the user's configuration folder elsewhere; each section is a
// group. A store over a given INI file serves tests. Lines of the file that
// are no settings are passed over.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFile);

    QString Read(const QString& section, const QString& key, const QString& defaultValue) const override;
    void Write(const QString& section, const QString& key, const QString& value) override;
    void DeleteSection(const QString& section) override;
    bool Save() override;

    QString FileName() const override;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace tandem::settings
