// Importing a learner's text at the size limit: a file just under 1 MB read, decoded, made
// typeable and cut into lessons (TextImport::fromFile), then the same added to the library, which
// also writes the typeable text to a new file. Three files: English in UTF-8, English with
// Chinese words and full-width punctuation in GB18030 (found not to be UTF-8 only after reading
// it all as UTF-8 first) and the same in UTF-16 with a BOM; then reading the library that keeps
// the three. Medians of the given number of runs.
//   build/release/bench/bench_texts [runs]          (default 9)

#include "texts/TextImport.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

// Sentences of common words in wrapped lines and paragraphs, with Chinese words and full-width
// punctuation mixed in when asked; as many as fit in `limit` bytes of the given encoding.
QByteArray sampleFile(bool chinese, const char* encoding, qint64 limit) {
    static const char* const words[] = {
        "the",  "time",   "people", "water",  "because",  "little", "world", "number", "through",
        "work", "before", "school", "father", "keyboard", "typing", "quick", "brown",  "over"};
    static const char* const chineseWords[] = {"中文", "练习", "键盘", "速度"};
    std::mt19937 random(7);
    // Only UTF-16 needs its BOM to be read as such.
    QStringEncoder encoder(encoding, qstrncmp(encoding, "UTF-16", 6) == 0
                                         ? QStringEncoder::Flag::WriteBom
                                         : QStringEncoder::Flag::Default);
    QByteArray bytes;
    QString line;
    for (int sentence = 0;; ++sentence) {
        QString text;
        const int count = 5 + int(random() % 15);
        for (int w = 0; w < count; ++w) {
            if (chinese && random() % 6 == 0)
                text += QString::fromUtf8(chineseWords[random() % 4]);
            else
                text += QLatin1String(words[random() % std::size(words)]);
            text += chinese && random() % 8 == 0 ? QStringLiteral("，") : QStringLiteral(" ");
        }
        text[0] = text[0].toUpper();
        text = text.trimmed() + (chinese ? QStringLiteral("。") : QStringLiteral(". "));
        line += text;
        if (line.size() < 72)
            continue;
        line += sentence % 7 == 0 ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
        const QByteArray more = encoder.encode(line);
        if (bytes.size() + more.size() > limit)
            return bytes;
        bytes += more;
        line.clear();
    }
}

double msTaken(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(QList<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QTemporaryDir folder;
    struct Sample {
        const char* name;
        bool chinese;
        const char* encoding;
    };
    for (const Sample& sample :
         {Sample{"english-utf8", false, "UTF-8"}, Sample{"mixed-gb18030", true, "GB18030"},
          Sample{"mixed-utf16", true, "UTF-16LE"}}) {
        if (!QStringEncoder(sample.encoding).isValid()) {
            std::printf("%-14s not made: Qt has no %s encoder here (no ICU)\n", sample.name,
                        sample.encoding);
            continue;
        }
        const QString path = folder.filePath(QString::fromLatin1(sample.name) + ".txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(sampleFile(sample.chinese, sample.encoding, TextImport::maxBytes)) < 0)
            return 1;
        file.close();

        // Taking turns, so that both see the same state of the heap and the disk cache.
        TextImport::Result result;
        QList<double> importTimes, addTimes;
        for (int run = 0; run < runs; ++run) {
            importTimes.append(msTaken([&] { result = TextImport::fromFile(path); }));
            TextLibrary library(DataFolder(folder.filePath(QStringLiteral("library%1").arg(run)),
                                           DataFolder::Place::UsersOwn));
            addTimes.append(msTaken([&] {
                if (!library.addFile(path).ok)
                    std::abort();
            }));
        }
        if (!result.ok()) {
            std::fprintf(stderr, "%s: %s\n", sample.name, qPrintable(result.message));
            return 1;
        }
        const double importMs = median(importTimes);
        const double addMs = median(addTimes);
        std::printf("%-14s %7.1f KB (%s): import %6.1f ms, add to the library %6.1f ms; "
                    "%lld lessons, %lld characters left out\n",
                    sample.name, QFileInfo(path).size() / 1024.0,
                    qPrintable(TextDecoder::name(result.encoding)), importMs, addMs,
                    qlonglong(result.lessons.size()), qlonglong(result.leftOut));
    }

    // The first library now keeps all three, as typeable text; reading it cuts them again.
    TextLibrary library(
        DataFolder(folder.filePath(QStringLiteral("library0")), DataFolder::Place::UsersOwn));
    QList<double> readTimes;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run)
        readTimes.append(msTaken([&] { library.reload(); }));
    for (const LibraryText& text : library.texts())
        bytes += QFileInfo(text.path).size();
    std::printf("read the library of %lld texts, %.1f KB: %.1f ms\n",
                qlonglong(library.texts().size()), bytes / 1024.0, median(readTimes));
    return 0;
}
