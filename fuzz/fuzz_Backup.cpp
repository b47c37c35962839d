// Arbitrary bytes as a learner's backup. Any input must give either a problem with a message and
// nothing else, or contents that hold only what a learner may own: a valid name, complete
// records of one line each, texts whose names stay in their folder and that can be typed; and
// such contents, written again, must read back the same.

#include "Require.h"

#include "history/RunRecord.h"
#include "learners/LearnerBackup.h"
#include "learners/Learners.h"
#include "texts/SafeFileName.h"
#include "texts/TextImport.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LearnerBackup::Reading reading = LearnerBackup::fromJson(bytes);
    if (!reading.ok()) {
        require(!reading.message.isEmpty(), "a refusal without a message");
        require(reading.contents == LearnerBackup::Contents(), "a refused backup gave contents");
        return 0;
    }
    require(reading.message.isEmpty(), "a message for a good backup");
    const LearnerBackup::Contents& c = reading.contents;
    require(Learners::nameProblem(c.learner).isEmpty() && c.learner == c.learner.trimmed(),
            "a learner's name no learner may have");
    for (const QByteArray& line : c.records)
        require(!line.contains('\n') && RunRecord::fromJson(line).has_value(),
                "a record that is no complete line");
    for (const LearnerBackup::Text& text : c.texts)
        require(!text.name.isEmpty() && !SafeFileName::leavesFolder(text.name) &&
                    TextImport::fromClipboard(text.content).ok(),
                "a text that cannot be taken in");

    const LearnerBackup::Reading again =
        LearnerBackup::fromJson(LearnerBackup::toJson(c, QDateTime(QDate(2026, 1, 1), {})));
    require(again.ok() && again.contents == c, "a backup written again reads otherwise");
    return 0;
}
