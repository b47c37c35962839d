#include "web/CodePageDecoder.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace CodePageDecoder {

std::optional<QString> decode(const QByteArray& data, const QByteArray& charset, Invalid invalid) {
#ifdef Q_OS_WIN
    // Code page 936 is GBK, a superset of GB2312 and the two-byte part of GB18030.
    const QByteArray name = charset.trimmed().toLower();
    if (name != "gb2312" && name != "gbk" && name != "cp936" && name != "x-gbk" &&
        name != "euc-cn" && name != "windows-936" && name != "gb18030")
        return std::nullopt;
    constexpr unsigned codePage = 936;
    if (data.isEmpty())
        return QString();
    const DWORD flags = invalid == Invalid::Refuse ? MB_ERR_INVALID_CHARS : 0;
    const int size =
        MultiByteToWideChar(codePage, flags, data.constData(), int(data.size()), nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(codePage, flags, data.constData(), int(data.size()),
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
#else
    Q_UNUSED(data);
    Q_UNUSED(charset);
    Q_UNUSED(invalid);
    return std::nullopt;
#endif
}

} // namespace CodePageDecoder
