#pragma once

#include <QString>

// `folder` when it exists, else the first of its parent, grandparent and great-grandparent
// that exists; empty when none does. A remembered folder that was deleted thus leads to the
// nearest folder still there.
QString ExistingFolderOrParent(const QString& folder);
