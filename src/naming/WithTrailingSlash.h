#pragma once

#include <QString>

// `folder` ending in "/", the form in which folders are joined with names.
inline QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
