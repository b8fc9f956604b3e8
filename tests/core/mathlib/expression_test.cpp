#include "mathlib/expression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "mathlib/constants.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

struct Good {
  const char* text;
  double value;
};

double Eval(const std::string& text, int& code, int& pos) { return EvaluateExpression(text, code, pos); }

TEST(Expression, PrecedenceSignsAndImplicitMultiplication) {
  const Good cases[] = {
      {"1+2*3", 7},       {"(1+2)*3", 9},       {"2^3^2", 64},         {"-2^2", -4},
      {"3*-2^2", 12},     {"2PI", 2 * Pi},      {"(1)(2)", 2},         {"3(1+1)", 6},
      {"(2)3", 6},        {"1 000", 1000},      {"1/8", 0.125},        {"10-4-3", 3},
      {"[1+1]*{2}", 4},   {"(1+1]", 2},         {"+5", 5},             {".5", 0.5},
      {"5.", 5},          {"1E2", 100},         {"1E-2", 0.01},        {"2EXP(1)", 2 * std::exp(1.0)},
      {"2DR", 2 * DegToRad}, {"FT", 12},        {"D", 0.5},            {"RD", RadToDeg},
      {"(-2)^3", -8},     {"2^-1", 0.5},        {"2^0.5", std::sqrt(2.0)},
  };
  for (const auto& c : cases) {
    int code = -1, pos = -1;
    double v = Eval(c.text, code, pos);
    EXPECT_EQ(code, ExprOk) << c.text;
    EXPECT_EQ(pos, 0) << c.text;
    EXPECT_NEAR(v, c.value, 1e-12 * std::max(1.0, std::fabs(c.value))) << c.text;
  }
}

TEST(Expression, FunctionsTakeOneFactor) {
  const Good cases[] = {
      {"SIN 90DR", std::sin(90.0) * DegToRad},  // the argument is one factor
      {"SIN(90DR)", 1},
      {"SQRT 2 * 0.1", std::sqrt(2.0) * 0.1},
      {"SQR 3!", 362880},   // the "!" belongs to the function's result: (3^2)!
      {"SQR(3!)", 36},
      {"3!", 6},
      {"0!", 1},
      {"FACT 4", 24},
      {"ABS(-3)", 3},
      {"INT(-2.7)", -2},
      {"LOG 1000", 3},
      {"LN(EXP 2)", 2},
      {"EXP(-100)", 0},
      {"ASIN 1", HalfPi},
      {"ACOS 0", HalfPi},
      {"ACOS(-1)", Pi},
      {"ACOS(-0.5)", 2 * Pi / 3},
      {"ATAN 1", Pi / 4},
      {"COSH 0", 1},
      {"TANH 0", 0},
      {"COT(PI/4)", 1},
      {"SEC 0", 1},
  };
  for (const auto& c : cases) {
    int code = -1, pos = -1;
    double v = Eval(c.text, code, pos);
    EXPECT_EQ(code, ExprOk) << c.text;
    EXPECT_NEAR(v, c.value, 1e-9 * std::max(1.0, std::fabs(c.value))) << c.text;
  }
}

TEST(Expression, MillimetresUseTheProgramsFactor) {
  int code, pos;
  EXPECT_DOUBLE_EQ(Eval("25.4%", code, pos), 25.4 * 0.039370078);
  EXPECT_EQ(code, ExprOk);
  EXPECT_EQ(Eval("2/0%", code, pos), 0);
  EXPECT_EQ(code, ExprDivisionByZero);
  Eval("1%%", code, pos);
  EXPECT_EQ(code, ExprIllegalCharacter);  // only the first "%" is taken away
}

struct Bad {
  const char* text;
  int code;
  const char* marked;  // the text with " >>" at the reported position
};

TEST(Expression, ErrorsCodesAndPositions) {
  const Bad cases[] = {
      {"1..2", ExprIllegalCharacter, "1..2 >>"},
      {"1,5", ExprIllegalCharacter, "1 >>,5"},
      {"0^2", ExprComplex, "0^ >>2"},
      {"(-8)^(1/3)", ExprComplex, "(-8)^(1/3 >>)"},
      {"SQRT(-1)", ExprComplex, "SQRT(-1 >>)"},
      {"2/0", ExprDivisionByZero, "2/ >>0"},
      {"TAN 0 / SIN 0", ExprDivisionByZero, "TAN 0 / SIN  >>0"},
      {"EXP 100", ExprTooLarge, "EXP 10 >>0"},
      {"EXP -100", ExprSyntax, "EXP  >>-100"},
      {"34!", ExprTooLarge, "34 >>!"},
      {"2.5!", ExprUndefined, "2.5 >>!"},
      {"(-1)!", ExprUndefined, "(-1) >>!"},
      {"(1+2", ExprParentheses, "(1+2 >>"},
      {"(1,2)", ExprParentheses, "(1 >>,2)"},
      {"1+", ExprSyntax, "1+ >>"},
      {"1)", ExprSyntax, "1 >>)"},
      {"FOO", ExprIllegalFunction, " >>FOO"},
      {"1E+", ExprNumberFormat, "1E+ >>"},
      {"1EZ", ExprNumberFormat, "1 >>EZ"},
      {"LN 0", ExprTooLarge, "LN  >>0"},
      {"1E30*1E30", ExprTooLarge, "1E30*1E3 >>0"},
      {"1E400", ExprTooLarge, "1E40 >>0"},
      {"#", ExprIllegalCharacter, " >>#"},
  };
  for (const auto& c : cases) {
    EvalOutcome r = EvaluateFieldText(c.text);
    EXPECT_FALSE(r.ok) << c.text;
    std::string expected =
        std::string("Error in Expression      \n\n") + ExprErrorMessage(c.code) + "\n\n" + c.marked;
    EXPECT_EQ(r.warning, expected) << c.text;
  }
}

TEST(Expression, NeverFailsOnDeepOrEndlessText) {
  std::string deep(100000, '(');
  int code, pos;
  EXPECT_EQ(Eval(deep, code, pos), 0);
  EXPECT_EQ(code, ExprParentheses);
  std::string functions;
  for (int i = 0; i < 50000; ++i) functions += "SIN ";
  functions += "1";
  Eval(functions, code, pos);
  EXPECT_NE(code, ExprOk);
  std::string longSum;
  for (int i = 0; i < 20000; ++i) longSum += "1+";
  longSum += "1";
  EXPECT_EQ(Eval(longSum, code, pos), 20001);
}

class FakeField : public EditField {
 public:
  std::string text;
  int focused = 0;
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override { text = t; }
  void SetFocus() override { ++focused; }
};

TEST(EvalEditField, RewritesTheFieldWithFiveDecimals) {
  TestUi ui;
  FakeField f;
  f.text = "1/3";
  EXPECT_NEAR(EvalEditField(ui, f), 1.0 / 3, 1e-15);
  EXPECT_EQ(f.text, "0.33333");
  f.text = "";
  EXPECT_EQ(EvalEditField(ui, f), 0);
  EXPECT_EQ(f.text, "0.00000");
  f.text = "25.4%";
  EvalEditField(ui, f);
  EXPECT_EQ(f.text, "1.00000");
  f.text = "2*0.5";
  EvalEditField(ui, f);
  EXPECT_EQ(f.text, "1.00000");
  f.text = "2pi";  // lower case is upper-cased first
  EvalEditField(ui, f);
  EXPECT_EQ(f.text, "6.28319");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(f.focused, 0);
}

TEST(EvalEditField, ErrorKeepsTheTextWarnsAndTakesTheFocusBack) {
  TestUi ui;
  FakeField f;
  f.text = "1,5";
  EXPECT_EQ(EvalEditField(ui, f), 0);
  EXPECT_EQ(f.text, "1,5");
  EXPECT_EQ(f.focused, 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  const Message& m = ui.messages[0];
  EXPECT_EQ(m.text, "Error in Expression      \n\nIllegal character\n\n1 >>,5");
  EXPECT_EQ(m.kind, MsgKind::Warning);
  EXPECT_EQ(m.buttons, unsigned{BtnOk | BtnHelp});
  EXPECT_EQ(m.helpContext, 100);
}

}  // namespace
}  // namespace quill
