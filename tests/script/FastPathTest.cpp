#include <QRandomGenerator>
#include <QTest>
#include <cmath>

#include "common/TestRegistry.h"
#include "script/Compiler.h"
#include "script/Convert.h"
#include "script/Fast.h"
#include "script/Lexer.h"
#include "script/Machine.h"
#include "script/Operators.h"

namespace {

// Globals x and y only; nothing else is defined.
class TwoVariables : public script::Scope {
  public:
    std::optional<int> local(const std::string&) override { return std::nullopt; }
    int global(const std::string& name) override { return name == "x" ? 0 : name == "y" ? 1 : 2; }
    int function(const std::string&) override { return -1; }
    int placeholder(const std::string&) override { return -1; }
};

QString describe(int error, const script::Value& v) {
    if (error) return QStringLiteral("Error %1").arg(error);
    return QStringLiteral("%1 %2").arg(int(v.kind)).arg(QString::fromStdString(script::toText(v)));
}

}  // namespace

// The all-numbers path must agree with the general machine on value, kind and error number,
// whatever the operands.
class FastPathTest : public QObject {
    Q_OBJECT

  private slots:
    void agreesWithTheGeneralMachine_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("expectFast");
        for (const char* e : {"abs(4-(x^2+y^2))",
                              "x^2-1",
                              "sin(x)*cos(y)",
                              "abs(1-((x/3)^2+(y/2)^2))",
                              "2*x^3-3*x^2+1",
                              "sqr(abs(x))*exp(-x^2/4)",
                              "x/y",
                              "1/x",
                              "2-x",
                              "x-y^2",
                              "x*y^2",
                              "x/y^2",
                              "x^y",
                              "x^-2",
                              "-x^2",
                              "x^0.5",
                              "(x+y)^3",
                              "x^16",
                              "x^17",
                              "log(x)",
                              "sqr(x)",
                              "sqr(x)+log(y)",
                              "x^2+sqr(y)",
                              "tan(x)",
                              "atn(x)",
                              "exp(x)",
                              "int(x)",
                              "fix(x)",
                              "round(x)",
                              "sgn(x)",
                              "sgn(x)*y",
                              "cbool(x)",
                              "cdbl(x)+1",
                              "x>y",
                              "x<=y",
                              "x=y",
                              "x<>y",
                              "(x>0) And (y>0)",
                              "Not (x>y)",
                              "(x>0)*y",
                              "(x>0) Xor (y>0)",
                              "(x>0) Imp (y>0)",
                              "(x>0) Eqv (y>0)",
                              "x*1E308",
                              "x+1E308+1E308",
                              "1E308*x*x",
                              "sqr(x*1E308*10)",
                              "x^2*1E300",
                              "(x-x)/(y-y)",
                              "x/(y-y)",
                              "True+x",
                              "Empty-x",
                              "x*2+y*3-x/4",
                              "x*sin(y)",
                              "x-cos(x)",
                              "x/atn(y)",
                              "y+int(x)",
                              "x/fix(y)",
                              "sin(x)*1E308*cos(y)*1E10",
                              "abs(x)/abs(y)",
                              "((x))",
                              "-(-x)",
                              "y^2/x^2"}) {
            QTest::newRow(e) << QString::fromLatin1(e) << true;
        }
        QTest::newRow("whole remainder") << "x Mod 2" << false;
        QTest::newRow("concatenation") << "x & y" << false;
        QTest::newRow("whole kinds") << "sgn(x)+sgn(y)" << false;
    }
    void agreesWithTheGeneralMachine() {
        QFETCH(QString, expression);
        const std::vector<script::Token> tokens = script::tokenize(expression.toStdString());
        size_t pos = 0;
        TwoVariables scope;
        script::Program program;
        QCOMPARE(script::compileExpression(tokens, pos, scope, program), 0);
        script::FastProgram fast;
        const bool hasFast = script::buildFast(program, fast);
        QFETCH(bool, expectFast);
        QCOMPARE(hasFast, expectFast);
        const double samples[] = {-3.5, -1, -0.25, 0, 0.5, 1, 2, 7.25, 1e-200, 1e200, -1e300};
        script::Machine machine;
        machine.globals.resize(3);
        for (double x : samples) {
            for (double y : samples) {
                machine.globals[0] = script::Value::number(x);
                machine.globals[1] = script::Value::number(y);
                script::Value general;
                machine.begin();
                const int generalError = machine.run(program, nullptr, general);
                if (!hasFast) continue;
                double r = 0;
                const int fastError = script::runFast(fast, machine.globals.data(), r);
                QVERIFY(fastError >= 0);
                script::Value quick;
                quick.kind = fast.result;
                if (fast.result == script::Kind::Double) {
                    quick.d = r;
                } else {
                    quick.i = static_cast<int>(r);
                }
                QCOMPARE(describe(fastError, quick), describe(generalError, general));
                if (!fastError && fast.result == script::Kind::Double) {
                    QVERIFY(quick.d == general.d);  // exactly, not to 15 digits
                    QCOMPARE(std::signbit(quick.d), std::signbit(general.d));
                }
            }
        }
    }

    void takesTheGeneralPathForOtherKinds() {
        const std::vector<script::Token> tokens = script::tokenize("x*2");
        size_t pos = 0;
        TwoVariables scope;
        script::Program program;
        QCOMPARE(script::compileExpression(tokens, pos, scope, program), 0);
        script::FastProgram fast;
        QVERIFY(script::buildFast(program, fast));
        std::vector<script::Value> globals(3);
        globals[0] = script::Value::integer(3);
        double r = 0;
        QCOMPARE(script::runFast(fast, globals.data(), r), -1);
    }

    void wholePowersAreCorrectlyRounded() {
        // 0.735^3 rounded once is 0.397065375; two rounded products give 0.39706537499999994.
        const double x = 0.735;
        QVERIFY(script::wholePower(x, 3) == 0.397065375);
        QVERIFY(x * x * x != 0.397065375);
        QVERIFY(script::wholePower(1.613, 3) == 4.1966533969999995);
        QVERIFY(script::wholePowerPortable(x, 3) == 0.397065375);
        QRandomGenerator random(3);
        for (int k = 0; k < 20000; ++k) {
            const double v = std::ldexp(random.generateDouble() - 0.5, random.bounded(-40, 40));
            const int n = random.bounded(2, script::kMaxWholePower + 1);
            QVERIFY(script::wholePower(v, n) == script::wholePowerPortable(v, n));
        }
        QVERIFY(script::wholePower(3, 5) == 243.0);
        QVERIFY(script::wholePower(-2, 15) == -32768.0);
        QVERIFY(script::wholePower(1.1, 2) == 1.1 * 1.1);
    }
};

FUNCURVE_TEST(FastPathTest)
#include "FastPathTest.moc"
