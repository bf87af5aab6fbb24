#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace io {

enum class PeerFormat { Tellico, Gcstar, Csv };

// "tellico", "gcstar" or "csv", as the command line names them.
std::optional<PeerFormat> PeerFormatNamed(const QString& name);
QString PeerFormatTitle(PeerFormat format);

// The format a file's content shows (a zip archive, the root of its XML), else its extension's;
// nothing when neither tells.
std::optional<PeerFormat> GuessPeerFormat(const QString& path, const QByteArray& bytes);

// The whole file; a FileError in words for the user when it is missing, a folder, unreadable
// or larger than any collection.
QByteArray ReadPeerBytes(const QString& path);

}  // namespace io
