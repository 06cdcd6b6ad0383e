#pragma once

#include <QString>

namespace velkaris::AttachmentPaths {

/// What the attachment list shows for a stored entry: the text after its last "\", "/"
/// or ":" (a file's name; the end of an address).
QString DisplayName(const QString& stored);

/// True when the entry is a web or e-mail address: it holds "http" (letter case as
/// written) or "@". Addresses go to the shell unchanged.
bool IsAddress(const QString& stored);

/// The file a stored portrait or document path names: blank gives an empty text; a path
/// with a ":" (a drive) or an absolute path is taken as it is; any other path is read
/// below `programFolder`. Windows separators ("\") are read as "/".
QString Resolve(const QString& stored, const QString& programFolder);

/// True when the file is a chart file (extension ".szk" in any letter case).
bool IsChartFile(const QString& path);

} // namespace velkaris::AttachmentPaths
