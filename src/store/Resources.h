#pragma once

#include <QString>

namespace spinora {

// Finds the files the application reads at run time: the template databases,
// the export filter scripts and images.
class Resources {
public:
    // The folder searched, in order: $SPINORA_RESOURCES, <program>/../share/spinora,
    // then the build tree's resource folder.
    static QString directory();
    // Full path of a resource; empty when it does not exist.
    static QString path(const QString& name);
    // The whole file as UTF-8 text; false when it cannot be read.
    static bool readText(const QString& name, QString& text);
};

} // namespace spinora
