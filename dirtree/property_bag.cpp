#include "property_bag.h"

namespace tandem::dirtree {

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    return values_.value(name, defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue)
        values_.remove(name);
    else
        values_.insert(name, value);
}

} // namespace tandem::dirtree
