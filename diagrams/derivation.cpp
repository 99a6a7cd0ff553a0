// SPDX-License-Identifier: MIT
#include "diagrams/derivation.h"

#include "beam_common/readout.h"
#include "diagrams/diagram_data.h"

#include <QStringList>

#include <cmath>

namespace diagrams {

namespace {

Derivation pointLoadDerivation(const physics::PointLoad& load)
{
    const double L = load.span;
    const double b = L - load.position;
    return {load.reactions(), load.force * b * (L * L - b * b) / (6 * L), 0, physics::deflectionExtremes(load)};
}

Derivation uniformLoadDerivation(const physics::UniformLoad& load)
{
    const double L = load.span;
    return {load.reactions(), load.intensity * L * L * L / 24, 0, physics::deflectionExtremes(load)};
}

Derivation coupleLoadDerivation(const physics::CoupleLoad& load)
{
    const double L = load.span;
    const double b = L - load.position;
    return {load.reactions(), load.couple * L / 6 - load.couple * b * b / (2 * L), 0,
            physics::deflectionExtremes(load)};
}

QString v(double value)
{
    return valueText(value);
}

QString sub(const char* symbol, const char* index)
{
    return QStringLiteral("%1<sub>%2</sub>").arg(QString::fromUtf8(symbol), QString::fromUtf8(index));
}

// A sum of terms with their signs in front: "−162.5 x³ + 250.0 ⟨x − 7⟩³".
// Zero terms are left out; a sum of none is 0.
class Sum {
public:
    Sum& add(double coefficient, const QString& factor)
    {
        if (coefficient == 0)
            return *this;
        const QString magnitude = v(std::fabs(coefficient));
        const QString term = factor.isEmpty() ? magnitude : magnitude + QLatin1Char(' ') + factor;
        if (text_.isEmpty())
            text_ = coefficient < 0 ? QStringLiteral("−") + term : term;
        else
            text_ += (coefficient < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) + term;
        return *this;
    }
    QString text() const { return text_.isEmpty() ? QStringLiteral("0") : text_; }

private:
    QString text_;
};

QString bracket(double position, int power)
{
    const QString inside = QStringLiteral("⟨x − %1⟩").arg(givenText(position));
    return power == 1 ? inside : QStringLiteral("%1<sup>%2</sup>").arg(inside).arg(power);
}

QString section(const QString& heading, const QStringList& lines)
{
    QString html = QStringLiteral("<h4>%1</h4>").arg(heading);
    for (const QString& line : lines)
        html += QStringLiteral("<p style=\"margin-left:12px\">%1</p>").arg(line);
    return html;
}

const QString RA = sub("R", "A");
const QString RB = sub("R", "B");
const QString C1 = sub("C", "1");
const QString C2 = sub("C", "2");

QString rigidityNote()
{
    return QStringLiteral("EI = %1，是本程式所有梁共用的撓曲剛度（程式自訂的值，單位與負荷、長度的單位一致）。")
        .arg(givenText(physics::kFlexuralRigidity));
}

QString differentialEquationNote()
{
    return QStringLiteral("y 向下為正，正彎矩使梁向下彎（凹面向上），所以彈性曲線的微分方程式為 "
                          "EI·y″ = −M(x)，θ = y′ = dy/dx。");
}

QString greatestDeflection(const Derivation& d, const QString& where)
{
    QStringList lines;
    lines << QStringLiteral("撓度在斜率 θ(x) = 0 處最大（或最小）。") + where;
    const auto at = [](const physics::Extreme& e) {
        return QStringLiteral("%1，在 x = %2").arg(beam::deflectionText(e.deflection), xText(e.x));
    };
    if (d.greatest.down && d.greatest.up) {
        lines << QStringLiteral("最大向下撓度 y = ") + at(*d.greatest.down);
        lines << QStringLiteral("最大向上撓度 y = ") + at(*d.greatest.up);
    } else if (const auto& only = d.greatest.down ? d.greatest.down : d.greatest.up) {
        lines << QStringLiteral("最大撓度 y<sub>max</sub> = ") + at(*only);
    } else {
        lines << QStringLiteral("最大撓度為 0：梁沒有彎曲。");
    }
    lines << QStringLiteral("（與梁視窗讀數所示的最大撓度相同。）");
    return section(QStringLiteral("7. 最大撓度"), lines);
}

QString pointLoadHtml(const physics::PointLoad& load)
{
    const Derivation d = pointLoadDerivation(load);
    const double L = load.span, P = load.force, a = load.position, b = L - a;
    const double RAv = d.reactions.left;
    QString html;
    html += QStringLiteral("<p>簡支梁，跨度 L = %1；集中力 P = %2（向下為正）作用在 x = a = %3，b = L − a = %4。%5</p>")
                .arg(givenText(L), givenText(P), givenText(a), v(b), rigidityNote());
    html += section(
        QStringLiteral("1. 支承反力（向上為正）"),
        {QStringLiteral("對左支承 A 取力矩（逆時針為正）：ΣM<sub>A</sub> = %1·L − P·a = 0 ⇒ %1 = P·a / L "
                        "= %2")
             .arg(RB, v(d.reactions.right)),
         QStringLiteral("垂直方向力平衡：ΣF<sub>y</sub> = %1 + %2 − P = 0 ⇒ %1 = P·b / L = %3").arg(RA, RB, v(RAv))});
    html += section(QStringLiteral("2. 各段的彎矩 M(x)"),
                    {QStringLiteral("0 ≤ x ≤ a：M(x) = %1·x = %2").arg(RA, Sum().add(RAv, "x").text()),
                     QStringLiteral("a ≤ x ≤ L：M(x) = %1·x − P·(x − a) = %2")
                         .arg(RA, Sum().add(RAv, "x").add(-P, QStringLiteral("(x − %1)").arg(givenText(a))).text()),
                     QStringLiteral("合寫成 M(x) = %1·x − P·⟨x − a⟩；括號 ⟨x − a⟩ 在 x &lt; a 時為 0，"
                                    "在 x ≥ a 時為 x − a。")
                         .arg(RA)});
    html += section(QStringLiteral("3. 彈性曲線的微分方程式"),
                    {differentialEquationNote(),
                     QStringLiteral("EI·y″ = −M(x) = %1").arg(Sum().add(-RAv, "x").add(P, bracket(a, 1)).text())});
    html += section(
        QStringLiteral("4. 積分兩次"),
        {QStringLiteral("EI·θ = −%1·x<sup>2</sup>/2 + P·⟨x − a⟩<sup>2</sup>/2 + %2 = %3 + %2")
             .arg(RA, C1, Sum().add(-RAv / 2, "x<sup>2</sup>").add(P / 2, bracket(a, 2)).text()),
         QStringLiteral("EI·y = −%1·x<sup>3</sup>/6 + P·⟨x − a⟩<sup>3</sup>/6 + %2·x + %3 = %4 + %2·x + %3")
             .arg(RA, C1, C2, Sum().add(-RAv / 6, "x<sup>3</sup>").add(P / 6, bracket(a, 3)).text()),
         QStringLiteral(
             "在 x = a 處兩段的 θ 與 y 必須相等（連續條件）：括號項 ⟨x − a⟩<sup>2</sup>、⟨x − a⟩<sup>3</sup> "
             "在 x = a 都是 0，所以兩段共用同一組積分常數 %1、%2。")
             .arg(C1, C2)});
    html += section(QStringLiteral("5. 由邊界條件求積分常數"),
                    {QStringLiteral("y(0) = 0 ⇒ %1 = %2").arg(C2, v(d.c2)),
                     QStringLiteral("y(L) = 0 ⇒ −%1·L<sup>3</sup>/6 + P·b<sup>3</sup>/6 + %2·L = 0 ⇒ %2 = "
                                    "P·b·(L<sup>2</sup> − b<sup>2</sup>)/(6L) = %3")
                         .arg(RA, C1, v(d.c1))});
    html += section(QStringLiteral("6. 撓度曲線 y(x)"),
                    {QStringLiteral("y(x) = [%1] / EI")
                         .arg(Sum().add(-RAv / 6, "x<sup>3</sup>").add(P / 6, bracket(a, 3)).add(d.c1, "x").text()),
                     QStringLiteral("θ(x) = [%1] / EI")
                         .arg(Sum().add(-RAv / 2, "x<sup>2</sup>").add(P / 2, bracket(a, 2)).add(d.c1, "").text())});
    html += greatestDeflection(
        d, QStringLiteral("力在中點或其右時（a ≥ b），最大撓度在 A 與力之間，x = √((L<sup>2</sup> − b<sup>2</sup>)/3)；"
                          "力在中點左邊時與此對稱。"));
    return html;
}

QString uniformLoadHtml(const physics::UniformLoad& load)
{
    const Derivation d = uniformLoadDerivation(load);
    const double L = load.span, w = load.intensity;
    const double RAv = d.reactions.left;
    QString html;
    html += QStringLiteral("<p>簡支梁，跨度 L = %1；均佈負荷 w = %2（每單位長度，向下為正）佈滿全跨。%3</p>")
                .arg(givenText(L), givenText(w), rigidityNote());
    html += section(
        QStringLiteral("1. 支承反力（向上為正）"),
        {QStringLiteral("對左支承 A 取力矩（逆時針為正）：ΣM<sub>A</sub> = %1·L − w·L·L/2 = 0 ⇒ %1 = w·L/2 = %2")
             .arg(RB, v(d.reactions.right)),
         QStringLiteral("垂直方向力平衡：ΣF<sub>y</sub> = %1 + %2 − w·L = 0 ⇒ %1 = w·L/2 = %3").arg(RA, RB, v(RAv))});
    html += section(QStringLiteral("2. 彎矩 M(x)"),
                    {QStringLiteral("0 ≤ x ≤ L：M(x) = %1·x − w·x<sup>2</sup>/2 = %2")
                         .arg(RA, Sum().add(RAv, "x").add(-w / 2, "x<sup>2</sup>").text()),
                     QStringLiteral("均佈負荷沒有集中的作用點，整根梁只有一段，不需要連續條件。")});
    html += section(
        QStringLiteral("3. 彈性曲線的微分方程式"),
        {differentialEquationNote(),
         QStringLiteral("EI·y″ = −M(x) = %1").arg(Sum().add(-RAv, "x").add(w / 2, "x<sup>2</sup>").text())});
    html += section(QStringLiteral("4. 積分兩次"),
                    {QStringLiteral("EI·θ = −%1·x<sup>2</sup>/2 + w·x<sup>3</sup>/6 + %2 = %3 + %2")
                         .arg(RA, C1, Sum().add(-RAv / 2, "x<sup>2</sup>").add(w / 6, "x<sup>3</sup>").text()),
                     QStringLiteral("EI·y = −%1·x<sup>3</sup>/6 + w·x<sup>4</sup>/24 + %2·x + %3 = %4 + %2·x + %3")
                         .arg(RA, C1, C2, Sum().add(-RAv / 6, "x<sup>3</sup>").add(w / 24, "x<sup>4</sup>").text())});
    html += section(QStringLiteral("5. 由邊界條件求積分常數"),
                    {QStringLiteral("y(0) = 0 ⇒ %1 = %2").arg(C2, v(d.c2)),
                     QStringLiteral("y(L) = 0 ⇒ −w·L<sup>4</sup>/12 + w·L<sup>4</sup>/24 + %1·L = 0 ⇒ %1 = "
                                    "w·L<sup>3</sup>/24 = %2")
                         .arg(C1, v(d.c1))});
    html += section(QStringLiteral("6. 撓度曲線 y(x)"),
                    {QStringLiteral("y(x) = w·(L<sup>3</sup>x − 2L·x<sup>3</sup> + x<sup>4</sup>)/(24EI) = [%1] / EI")
                         .arg(Sum().add(-RAv / 6, "x<sup>3</sup>").add(w / 24, "x<sup>4</sup>").add(d.c1, "x").text()),
                     QStringLiteral("θ(x) = [%1] / EI")
                         .arg(Sum().add(-RAv / 2, "x<sup>2</sup>").add(w / 6, "x<sup>3</sup>").add(d.c1, "").text())});
    html += greatestDeflection(
        d, QStringLiteral("由對稱，θ(L/2) = 0：最大撓度在跨度中點，y = 5w·L<sup>4</sup>/(384EI)。"));
    return html;
}

QString coupleLoadHtml(const physics::CoupleLoad& load)
{
    const Derivation d = coupleLoadDerivation(load);
    const double L = load.span, C = load.couple, a = load.position;
    const double RAv = d.reactions.left;
    QString html;
    html += QStringLiteral("<p>簡支梁，跨度 L = %1；力偶 M<sub>0</sub> = %2（逆時針為正）作用在 x = a = %3。%4</p>")
                .arg(givenText(L), givenText(C), givenText(a), rigidityNote());
    html += section(QStringLiteral("1. 支承反力（向上為正）"),
                    {QStringLiteral("對左支承 A 取力矩（逆時針為正）：ΣM<sub>A</sub> = %1·L + M<sub>0</sub> = 0 ⇒ %1 = "
                                    "−M<sub>0</sub> / L = %2")
                         .arg(RB, v(d.reactions.right)),
                     QStringLiteral("垂直方向力平衡：ΣF<sub>y</sub> = %1 + %2 = 0 ⇒ %1 = M<sub>0</sub> / L = %3")
                         .arg(RA, RB, v(RAv)),
                     QStringLiteral("兩個反力大小相等、方向相反，形成與 M<sub>0</sub> 相反的力偶；負值表示向下。")});
    html += section(
        QStringLiteral("2. 各段的彎矩 M(x)"),
        {QStringLiteral("0 ≤ x &lt; a：M(x) = %1·x = %2").arg(RA, Sum().add(RAv, "x").text()),
         QStringLiteral("a &lt; x ≤ L：M(x) = %1·x − M<sub>0</sub> = %2")
             .arg(RA, Sum().add(RAv, "x").add(-C, "").text()),
         QStringLiteral("逆時針的力偶使彎矩在 x = a 處往下跳 M<sub>0</sub>。合寫成 M(x) = %1·x − M<sub>0</sub>·⟨x − a⟩"
                        "<sup>0</sup>；⟨x − a⟩<sup>0</sup> 在 x &lt; a 時為 0，在 x ≥ a 時為 1。")
             .arg(RA)});
    html += section(QStringLiteral("3. 彈性曲線的微分方程式"),
                    {differentialEquationNote(),
                     QStringLiteral("EI·y″ = −M(x) = %1").arg(Sum().add(-RAv, "x").add(C, bracket(a, 0)).text())});
    html += section(
        QStringLiteral("4. 積分兩次"),
        {QStringLiteral("EI·θ = −%1·x<sup>2</sup>/2 + M<sub>0</sub>·⟨x − a⟩ + %2 = %3 + %2")
             .arg(RA, C1, Sum().add(-RAv / 2, "x<sup>2</sup>").add(C, bracket(a, 1)).text()),
         QStringLiteral("EI·y = −%1·x<sup>3</sup>/6 + M<sub>0</sub>·⟨x − a⟩<sup>2</sup>/2 + %2·x + %3 = %4 + %2·x + %3")
             .arg(RA, C1, C2, Sum().add(-RAv / 6, "x<sup>3</sup>").add(C / 2, bracket(a, 2)).text()),
         QStringLiteral("在 x = a 處兩段的 θ 與 y 必須相等（連續條件）：括號項 ⟨x − a⟩、⟨x − a⟩<sup>2</sup> "
                        "在 x = a 都是 0，所以兩段共用同一組積分常數 %1、%2。")
             .arg(C1, C2)});
    html += section(QStringLiteral("5. 由邊界條件求積分常數"),
                    {QStringLiteral("y(0) = 0 ⇒ %1 = %2").arg(C2, v(d.c2)),
                     QStringLiteral("y(L) = 0 ⇒ −%1·L<sup>3</sup>/6 + M<sub>0</sub>·(L − a)<sup>2</sup>/2 + %2·L = 0 ⇒ "
                                    "%2 = %1·L<sup>2</sup>/6 − M<sub>0</sub>·(L − a)<sup>2</sup>/(2L) = %3")
                         .arg(RA, C1, v(d.c1))});
    html += section(QStringLiteral("6. 撓度曲線 y(x)"),
                    {QStringLiteral("y(x) = [%1] / EI")
                         .arg(Sum().add(-RAv / 6, "x<sup>3</sup>").add(C / 2, bracket(a, 2)).add(d.c1, "x").text()),
                     QStringLiteral("θ(x) = [%1] / EI")
                         .arg(Sum().add(-RAv / 2, "x<sup>2</sup>").add(C, bracket(a, 1)).add(d.c1, "").text())});
    html += greatestDeflection(d, QStringLiteral("力偶兩側的梁可以向相反方向彎曲，所以可能有兩個極值。"));
    return html;
}

} // namespace

Derivation derivationOf(const physics::LoadCase& beam)
{
    return std::visit(
        [](const auto& load) {
            using Load = std::decay_t<decltype(load)>;
            if constexpr (std::is_same_v<Load, physics::PointLoad>)
                return pointLoadDerivation(load);
            else if constexpr (std::is_same_v<Load, physics::UniformLoad>)
                return uniformLoadDerivation(load);
            else
                return coupleLoadDerivation(load);
        },
        beam);
}

QString derivationHtml(const DiagramInput& input)
{
    const DiagramCurve& latest = input.curves.back();
    QString html = QStringLiteral("<h3>撓度的推導：%1</h3><p>%2，%3 %4</p>")
                       .arg(input.loadCase, latest.title, input.loadValueName, givenText(latest.load));
    html += std::visit(
        [](const auto& load) {
            using Load = std::decay_t<decltype(load)>;
            if constexpr (std::is_same_v<Load, physics::PointLoad>)
                return pointLoadHtml(load);
            else if constexpr (std::is_same_v<Load, physics::UniformLoad>)
                return uniformLoadHtml(load);
            else
                return coupleLoadHtml(load);
        },
        latest.beam);
    return html;
}

} // namespace diagrams
