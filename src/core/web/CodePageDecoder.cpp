#include "web/CodePageDecoder.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace CodePageDecoder {

std::optional<QString> decode(const QByteArray& data, const QByteArray& charset) {
#ifdef Q_OS_WIN
    // Code page 936 is GBK, a superset of GB2312.
    const QByteArray name = charset.trimmed().toLower();
    if (name != "gb2312" && name != "gbk" && name != "cp936" && name != "x-gbk" &&
        name != "euc-cn" && name != "windows-936")
        return std::nullopt;
    constexpr unsigned codePage = 936;
    if (data.isEmpty())
        return QString();
    const int size =
        MultiByteToWideChar(codePage, 0, data.constData(), int(data.size()), nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, data.constData(), int(data.size()),
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
#else
    Q_UNUSED(data);
    Q_UNUSED(charset);
    return std::nullopt;
#endif
}

} // namespace CodePageDecoder
