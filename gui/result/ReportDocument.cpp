#include "result/ReportDocument.h"
#include "widgets/Utf8Text.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>

namespace velmora {

void InsertReport(QTextCursor& cursor, const Report& report) {
    for (const ReportPiece& piece : report) {
        QTextCharFormat format;
        format.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(piece.color == ReportColor::DarkRed ? QColor(0x80, 0, 0) : QColor(0, 0, 0));
        format.setFontPointSize(piece.size);
        QString text = FromUtf8(piece.text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cursor.insertText(text, format);
        for (int b = 0; b < piece.breaks; ++b) cursor.insertBlock(QTextBlockFormat(), format);
    }
}

}  // namespace velmora
