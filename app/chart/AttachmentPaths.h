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

/// The path to store for a file the user attaches: empty when no file exists there. With
/// `copy` the file is copied into `subfolder` ("hors/images" or "hors/docs") of the home
/// folder, unless a file of that name is there already, and stored as that folder and
/// name with Windows separators ("hors\images\eva.png"); empty when the folder cannot
/// be made or the copy fails. Without `copy` the path stays, relative to the home folder
/// when it lies below it.
QString StoredAttachment(const QString& file, const QString& homeFolder, bool copy,
                         const QString& subfolder);

/// True when the file is a chart file (extension ".szk" in any letter case).
bool IsChartFile(const QString& path);

} // namespace velkaris::AttachmentPaths
