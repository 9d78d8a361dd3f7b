#pragma once
// Between the toolkit's UTF-8 texts and twips and Qt's strings and pixels; for the
// toolkit's own sources only.
#include <QString>
#include <string>

#include "platform/form_basics.h"

namespace forms::qt {

inline QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string u(const QString& s) { return s.toStdString(); }

inline int px(int twips) { return twips / kTwipsPerPixel; }

// The Qt text of a text box: CR LF, and a lone CR or LF, each become one line break.
inline QString toWidgetText(const std::string& text) {
    QString t = q(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

inline std::string fromWidgetText(const QString& widgetText) {
    std::string out;
    for (const std::string s = u(widgetText); char c : s) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace forms::qt
