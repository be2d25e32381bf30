#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

// Helpers shared by the kit's tests.
namespace kittest {

// Compiles schema XML files into dir and points GSettings at it with the
// memory backend. Must run before anything in the process touches GSettings.
inline bool installSchemas(const QString &dir, const QStringList &schemaFiles)
{
    for (const QString &file : schemaFiles) {
        if (!QFile::copy(file, QDir(dir).filePath(QFileInfo(file).fileName())))
            return false;
    }
    QProcess compiler;
    compiler.start(QStringLiteral("glib-compile-schemas"), { QStringLiteral("--strict"), dir });
    if (!compiler.waitForFinished(30000) || compiler.exitStatus() != QProcess::NormalExit
        || compiler.exitCode() != 0) {
        qWarning("glib-compile-schemas failed: %s", compiler.readAllStandardError().constData());
        return false;
    }
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(dir));
    qputenv("GSETTINGS_BACKEND", "memory");
    return true;
}

inline QStringList kitSchemas()
{
    return { KIT_SCHEMA_SOURCE_DIR "/org.vemo.style.gschema.xml",
        KIT_SCHEMA_SOURCE_DIR "/org.vemo.control-center.personalise.gschema.xml" };
}

} // namespace kittest
