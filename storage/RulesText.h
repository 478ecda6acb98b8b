#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of the rules text (rulesFilePath(appFolder)) in file order, blank
// lines kept. A missing or unreadable file gives nullopt and a message naming
// the file in *error.
std::optional<QStringList> readRulesText(const QString& appFolder, QString* error);
