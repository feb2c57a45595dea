#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace tandem::dirtree {

// The host's stored description of a control: values by name. A value
// equal to its default is not stored, and reading a name that is not stored
// gives the default.
class PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);

    bool Contains(const QString& name) const { return values_.contains(name); }
    QStringList Names() const { return values_.keys(); }

private:
    QVariantMap values_;
};

} // namespace tandem::dirtree
