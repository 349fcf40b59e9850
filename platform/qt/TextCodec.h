#pragma once

#include <QString>

#include <string>

// The framework's texts are 8-bit. Names of files and folders on this system are
// UTF-8, and they reach titles and log lines as they are, so a text that is valid
// UTF-8 is read as such; anything else is taken byte for byte as Latin-1, which
// shows every byte as some character instead of dropping it.
QString ToQString(const std::string& text);

// A local path as the file system spells it, in its own bytes, and back.
std::string ToLocalPath(const QString& path);
QString FromLocalPath(const std::string& path);
