#include "sound/WubiTables.h"

#include <array>

namespace WubiTables {

namespace {

// One key of the mnemonic tables: the verse of the 86 edition and of the 98 edition, each headed
// by the key's zone digit, position digit and letter.
struct Row {
    char key;
    const char16_t* edition86;
    const char16_t* edition98;
};

// Zone by zone, position by position; the commas inside the verses are full-width.
constexpr std::array<Row, 25> rows{{
    {'G', u"11G 王旁青头兼五一", u"11G 王旁青头五夫一"},
    {'F', u"12F 土士二干十寸雨", u"12F 土干十寸未甘雨"},
    {'D', u"13D 大犬三羊古石厂", u"13D 大犬戊其古石厂"},
    {'S', u"14S 木丁西", u"14S 木丁西甫一四里"},
    {'A', u"15A 工戈草头右筐七", u"15A 工戈草头右筐七"},
    {'H', u"21H 目具上止卜虎皮", u"21H 目上卜止虎头具"},
    {'J', u"22J 日早两竖与虫依", u"22J 日早两竖与虫依"},
    {'K', u"23K 口与川，字根稀", u"23K 口中两川三个竖"},
    {'L', u"24L 田甲方框四车力", u"24L 田甲方框四车里"},
    {'M', u"25M 山由贝，下框几", u"25M 山由贝骨下框集"},
    {'T', u"31T 禾竹一撇双人立，反文条头共三一", u"31T 禾竹反文双人立"},
    {'R', u"32R 白手看头三二斤", u"32R 白斤气丘叉手提"},
    {'E', u"33E 月衫乃用家衣底", u"33E 月用力豸毛衣臼"},
    {'W', u"34W 人与八，三四里", u"34W 人八登头单人几"},
    {'Q', u"35Q 金勺缺点无尾鱼，犬旁留义儿一点夕，氏无七", u"35Q 金夕鸟儿反犬边鱼"},
    {'Y', u"41Y 言文方广在四一，高头一捺谁人去", u"41Y 言文方点谁人去"},
    {'U', u"42U 立辛两点六门疾", u"42U 立辛六羊病门里"},
    {'I', u"43I 水旁兴头小倒立", u"43I 水族三点鳖头小"},
    {'O', u"44O 火业头，四点米", u"44O 火业广鹿四点米"},
    {'P', u"45P 之宝盖，摘示衣", u"45P 之字宝盖补示衣"},
    {'N', u"51N 已半巳满不出己，左框折尸心和羽", u"51N 已类左框心尸羽"},
    {'B', u"52B 子耳了也框向上", u"52B 子耳了也乃框皮"},
    {'V', u"53V 女刀九臼山朝西", u"53V 女刀九艮山西倒"},
    {'C', u"54C 又巴马，丢矢矣", u"54C 又巴牛厶马失蹄"},
    {'X', u"55X 慈母无心弓和匕，幼无力", u"55X 幺母贯头弓和匕"},
}};

} // namespace

QString mnemonic(int edition, int code) {
    if (edition != 86 && edition != 98)
        return QString();
    for (const Row& row : rows) {
        if (row.key == code)
            return QString::fromUtf16(edition == 86 ? row.edition86 : row.edition98);
    }
    return QString();
}

} // namespace WubiTables
