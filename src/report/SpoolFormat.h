#pragma once

#include <QByteArray>
#include <QStringView>

// The words of the report spool file: a header block, a body of commands each followed by its
// argument lines, "/ENDOFREPORT", then the page index. Lines end with CR LF.
namespace report::spool {

inline constexpr char Version[] = "/VERSION";
inline constexpr char ReportName[] = "/REPORTNAME";
inline constexpr char CreatedBy[] = "/CREATEDBY";
inline constexpr char CreateDate[] = "/CREATEDATE";
inline constexpr char CreateTime[] = "/CREATETIME";
inline constexpr char Note[] = "/NOTE";
inline constexpr char OrientationWord[] = "/ORIENTATION";
inline constexpr char PaperSizeWord[] = "/PAPERSIZE";
inline constexpr char BeginningOfReport[] = "/BEGINNINGOFREPORT";
inline constexpr char ScreenOnly[] = "/SCREENONLY";
inline constexpr char NewPage[] = "/NEWPAGE";
inline constexpr char CarriageReturn[] = "/CR";
inline constexpr char Font[] = "/FONT";
inline constexpr char Bold[] = "/BOLD";
inline constexpr char Normal[] = "/NORMAL";
inline constexpr char Italics[] = "/ITALICS";
inline constexpr char FontColour[] = "/FONTCOLOR";
inline constexpr char ResetTabs[] = "/RESETTABS";
inline constexpr char SetTab[] = "/SETTAB";
inline constexpr char SetPosition[] = "/SETPOS";
inline constexpr char Text[] = "/TEXT";
inline constexpr char Box[] = "/BOX";
inline constexpr char LineAbove[] = "/LINEABOVE";
inline constexpr char LineBelow[] = "/LINEBELOW";
// A picture beside the text, then its lines: x, twips from the page's left edge; y, twips below
// the top of the current line; width and height, twips; the number of data lines; then the
// encoded picture (JPEG or PNG) in base64, at most PictureLineLength characters a line. A picture
// that cannot be read is left out; the page goes on.
inline constexpr char Picture[] = "/PICTURE";
inline constexpr int PictureLineLength = 16384;
inline constexpr int MaxPictureLines = 64;
inline constexpr char EndOfReport[] = "/ENDOFREPORT";
inline constexpr char PageByteOffsets[] = "/PAGEBYTEOFFSETS";

inline constexpr char CreatorName[] = "KIB";
inline constexpr int FormatVersion = 1;

// Numbers are always written with "." and in their shortest plain form: 0.1, 7.9, 10, 10.45.
QByteArray NumberText(double value);
// A number line as written here or in a locale that writes ",". Nothing usable gives ok false.
double ReadNumber(QStringView line, bool* ok = nullptr);
// A whole number line; a decimal one is rounded. Out of the range of int gives ok false.
int ReadInteger(QStringView line, bool* ok = nullptr);

}  // namespace report::spool
