#include "mathlib/expression.h"

#include <cmath>
#include <vector>

#include "mathlib/constants.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr double OverflowLimit = 1e37;
constexpr double ExpLimit = 85.0;
constexpr int MaxDepth = 200;  // brackets and function arguments nested deeper than this are refused
constexpr char EndMarker = '\r';

enum Name {
  kPI, kABS, kSQRT, kSQR, kLN, kLOG, kEXP, kFACT, kDR, kSINH, kCOSH, kTANH, kSECH, kCSCH,
  kCOTH, kRD, kD, kFT, kINT, kSIN, kCOS, kTAN, kSEC, kCSC, kCOT, kASIN, kACOS, kATAN, kNameCount
};

// Searched in this order; the first name whose letters stand at the current position wins.
const char* const kNames[kNameCount] = {"PI",   "ABS",  "SQRT", "SQR", "LN",  "LOG", "EXP", "FACT", "DR", "SINH",
                                        "COSH", "TANH", "SECH", "CSCH", "COTH", "RD", "D",  "FT",  "INT", "SIN",
                                        "COS",  "TAN",  "SEC",  "CSC", "COT", "ASIN", "ACOS", "ATAN"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

bool Allowed(char c) {
  if (IsDigit(c) || IsLetter(c) || IsOpening(c) || IsClosing(c)) return true;
  switch (c) {
    case EndMarker: case ' ': case '!': case '.': case '*': case '+': case '-': case '/': case '^': return true;
    default: return false;
  }
}

class Evaluator {
 public:
  explicit Evaluator(const std::string& text) : text_(text) {}

  double Run(int& code, int& pos);

 private:
  const std::string& text_;
  int pos_ = 0;
  char ch_ = EndMarker;
  int code_ = ExprOk;
  bool defined_ = true, divZero_ = false, tooLarge_ = false, complex_ = false;
  std::vector<bool> argFlags_;  // per Expression level: a function argument is being read
  int depth_ = 0;

  bool Fine() const { return code_ == ExprOk && defined_ && !divZero_ && !tooLarge_ && !complex_; }
  void Fail(int code) {
    if (code_ == ExprOk) code_ = code;
  }
  void NextChar();
  double Expression();
  double Term();
  double Power();
  double SignedFactor();
  double Factor();
  double Number();
  double Bracketed();
  double Named();
  double Apply(int name, double x);
  double Raise(double b, double e);
  double Factorial(double x);
  double Multiply(double y, double x);
  double Divide(double y, double x);
  double Add(double y, double x);
  double Subtract(double y, double x);
};

void Evaluator::NextChar() {
  do {
    ++pos_;
    ch_ = pos_ <= static_cast<int>(text_.size()) ? text_[pos_ - 1] : EndMarker;
    if (!Allowed(ch_)) Fail(ExprIllegalCharacter);
  } while (ch_ == ' ');
}

double Evaluator::Expression() {
  if (!Fine()) return 0;
  argFlags_.push_back(false);
  bool negate = false;
  if (ch_ == '+' || ch_ == '-') {
    negate = ch_ == '-';
    NextChar();
  }
  double y = Term();
  if (negate) y = -y;
  while (Fine() && (ch_ == '+' || ch_ == '-')) {
    char op = ch_;
    NextChar();
    double x = Term();
    if (!Fine()) break;
    y = op == '+' ? Add(y, x) : Subtract(y, x);
  }
  argFlags_.pop_back();
  return Fine() ? y : 0;
}

double Evaluator::Term() {
  if (!Fine()) return 0;
  double y = Power();
  while (Fine()) {
    char op;
    if (ch_ == '*' || ch_ == '/') {
      op = ch_;
      NextChar();
    } else if (IsDigit(ch_) || ch_ == '.' || IsLetter(ch_) || IsOpening(ch_)) {
      op = '*';  // implicit multiplication: '2PI', '3(1+1)'
    } else {
      break;
    }
    double x = Power();
    if (!Fine()) break;
    y = op == '*' ? Multiply(y, x) : Divide(y, x);
  }
  return Fine() ? y : 0;
}

double Evaluator::Power() {
  if (!Fine()) return 0;
  double y = SignedFactor();
  while (Fine() && ch_ == '^') {
    NextChar();
    double e = SignedFactor();
    if (!Fine()) break;
    y = Raise(y, e);
  }
  return Fine() ? y : 0;
}

double Evaluator::SignedFactor() {
  if (!Fine()) return 0;
  if (ch_ == '-') {
    NextChar();
    return -Factor();
  }
  return Factor();
}

double Evaluator::Factor() {
  if (!Fine()) return 0;
  if (++depth_ > MaxDepth) {
    Fail(ExprParentheses);
    --depth_;
    return 0;
  }
  double v;
  if (IsDigit(ch_) || ch_ == '.') {
    v = Number();
  } else if (IsOpening(ch_)) {
    v = Bracketed();
  } else {
    v = Named();
  }
  if (Fine() && ch_ == '!' && !argFlags_.back()) {
    v = Factorial(v);
    NextChar();
  }
  --depth_;
  return Fine() ? v : 0;
}

double Evaluator::Number() {
  int start = pos_;
  std::string digits;
  while (IsDigit(ch_)) {
    digits += ch_;
    NextChar();
  }
  if (ch_ == '.') {
    digits += '.';
    NextChar();
    while (IsDigit(ch_)) {
      digits += ch_;
      NextChar();
    }
  }
  if (ch_ == 'E') {
    // 'E' followed by 'X' starts EXP: the number ends before it.
    size_t next = static_cast<size_t>(pos_);
    while (next < text_.size() && text_[next] == ' ') ++next;
    bool startsExp = next < text_.size() && text_[next] == 'X';
    if (!startsExp) {
      digits += 'E';
      NextChar();
      if (!IsDigit(ch_) && ch_ != '+' && ch_ != '-') {
        Fail(ExprNumberFormat);
        return 0;
      }
      if (ch_ == '+' || ch_ == '-') {
        digits += ch_;
        NextChar();
      }
      while (IsDigit(ch_)) {
        digits += ch_;
        NextChar();
      }
    }
  }
  if (!Fine()) return 0;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');
  if (digits.back() == '.') digits += '0';
  int bad = 0;
  auto value = StrictToDouble(digits, &bad);
  if (!value) {
    Fail(ExprNumberFormat);
    pos_ = start + bad;
    return 0;
  }
  if (!std::isfinite(*value)) {
    tooLarge_ = true;
    return 0;
  }
  return *value;
}

double Evaluator::Bracketed() {
  NextChar();
  double v = Expression();
  if (!Fine() || !IsClosing(ch_)) {
    code_ = ExprParentheses;
    return 0;
  }
  NextChar();
  return v;
}

double Evaluator::Named() {
  int found = -1;
  size_t at = static_cast<size_t>(pos_ - 1);
  for (int i = 0; i < kNameCount && at < text_.size(); ++i) {
    if (text_.compare(at, std::char_traits<char>::length(kNames[i]), kNames[i]) == 0) {
      found = i;
      break;
    }
  }
  if (found < 0 || ch_ == EndMarker) {
    Fail(IsLetter(ch_) ? ExprIllegalFunction : ExprSyntax);
    return 0;
  }
  pos_ += static_cast<int>(std::char_traits<char>::length(kNames[found])) - 1;
  NextChar();
  switch (found) {
    case kPI: return Pi;
    case kDR: return DegToRad;
    case kRD: return RadToDeg;
    case kD: return 0.5;
    case kFT: return 12.0;
    default: break;
  }
  argFlags_.back() = true;
  double x = Factor();
  argFlags_.back() = false;
  if (!Fine()) return 0;
  return Apply(found, x);
}

double Evaluator::Apply(int name, double x) {
  switch (name) {
    case kABS: return std::fabs(x);
    case kSQRT:
      if (x < 0) {
        complex_ = true;
        return 0;
      }
      return std::sqrt(x);
    case kSQR:
      if (std::fabs(x) >= 1e19) {
        tooLarge_ = true;
        return 0;
      }
      return x * x;
    case kLN:
    case kLOG:
      if (x < 0) complex_ = true;
      if (x == 0) tooLarge_ = true;
      if (x <= 0) return 0;
      return name == kLN ? std::log(x) : std::log(x) / std::log(10.0);
    case kEXP:
      if (std::fabs(x) >= ExpLimit) {
        if (x >= 0) tooLarge_ = true;
        return 0;
      }
      return std::exp(x);
    case kFACT: return Factorial(x);
    case kSINH:
    case kCOSH:
    case kTANH:
    case kSECH:
    case kCSCH:
    case kCOTH: {
      if (std::fabs(x) > ExpLimit) {
        tooLarge_ = true;
        return 0;
      }
      double sh = (std::exp(x) - std::exp(-x)) / 2, ch = (std::exp(x) + std::exp(-x)) / 2;
      if (name == kSINH) return sh;
      if (name == kCOSH) return ch;
      double num = name == kTANH ? sh : (name == kCOTH ? ch : 1.0);
      double den = (name == kTANH || name == kSECH) ? ch : sh;
      return Divide(num, den);
    }
    case kINT: return std::trunc(x);
    case kSIN: return std::sin(x);
    case kCOS: return std::cos(x);
    case kTAN: return Divide(std::sin(x), std::cos(x));
    case kSEC: return Divide(1.0, std::cos(x));
    case kCSC: return Divide(1.0, std::sin(x));
    case kCOT: return Divide(std::cos(x), std::sin(x));
    case kASIN:
      if (std::fabs(x) > 1) {
        complex_ = true;
        return 0;
      }
      if (std::fabs(x) == 1) return x / std::fabs(x) * HalfPi;
      return std::atan(x / std::sqrt(1 - x * x));
    case kACOS: return ArcCos(x, &complex_);
    case kATAN: return std::atan(x);
    default: return 0;
  }
}

double Evaluator::Raise(double b, double e) {
  bool integral = e == std::trunc(e);
  if (b == 0 || (b < 0 && !integral)) {
    complex_ = true;
    return 0;
  }
  double lnb = std::log(std::fabs(b));
  double p = Multiply(e, lnb);
  if (tooLarge_) return 0;
  if (p > ExpLimit) {
    tooLarge_ = true;
    return 0;
  }
  double v = std::exp(p);
  if (b < 0 && std::fmod(std::trunc(std::fabs(e)), 2.0) == 1.0) v = -v;
  return v;
}

double Evaluator::Factorial(double x) {
  if (x < 0 || x != std::trunc(x) || x > 32767) {
    defined_ = false;
    return 0;
  }
  if (x >= 33) {
    tooLarge_ = true;
    return 0;
  }
  double f = 1;
  for (int i = 2; i <= static_cast<int>(x); ++i) f *= i;
  return f;
}

double Evaluator::Multiply(double y, double x) {
  tooLarge_ = std::fabs(y) > 1 && std::fabs(x) > OverflowLimit / std::fabs(y);
  return tooLarge_ ? 0 : y * x;
}

double Evaluator::Divide(double y, double x) {
  if (x == 0) {
    divZero_ = true;
    return 0;
  }
  tooLarge_ = std::fabs(y) > 1 && std::fabs(1 / x) > OverflowLimit / std::fabs(y);
  return tooLarge_ ? 0 : y / x;
}

double Evaluator::Add(double y, double x) {
  tooLarge_ = x > 0 ? y > OverflowLimit - x : y < -OverflowLimit - x;
  return tooLarge_ ? 0 : y + x;
}

double Evaluator::Subtract(double y, double x) {
  tooLarge_ = x < 0 ? y > OverflowLimit + x : y < x - OverflowLimit;
  return tooLarge_ ? 0 : y - x;
}

double Evaluator::Run(int& code, int& pos) {
  NextChar();
  double v = Expression();
  if (Fine() && ch_ != EndMarker) code_ = ExprSyntax;
  if (!defined_) {
    code_ = ExprUndefined;
  } else if (tooLarge_) {
    code_ = ExprTooLarge;
  } else if (complex_) {
    code_ = ExprComplex;
  } else if (divZero_) {
    code_ = ExprDivisionByZero;
  } else if (text_.find("..") != std::string::npos) {
    code_ = ExprIllegalCharacter;
  }
  if (code_ == ExprNumberFormat || code_ >= ExprUndefined) --pos_;
  code = code_;
  pos = code_ == ExprOk ? 0 : pos_;
  return code_ == ExprOk ? v : 0;
}

}  // namespace

const char* ExprErrorMessage(int code) {
  switch (code) {
    case ExprSyntax: return "Incorrect syntax";
    case ExprParentheses: return "Illegal or missing parentheses";
    case ExprNumberFormat: return "Incorrect Double format";
    case ExprIllegalFunction: return "Illegal function";
    case ExprUndefined: return "Result is undefined";
    case ExprTooLarge: return "Result is too large";
    case ExprComplex: return "Result is complex";
    case ExprDivisionByZero: return "Division by zero";
    default: return "Illegal character";
  }
}

double EvaluateExpression(const std::string& text, int& code, int& pos) {
  std::string t = text;
  bool millimetres = false;
  if (auto p = t.find('%'); p != std::string::npos) {
    millimetres = true;
    t.erase(p, 1);
  }
  Evaluator ev(t);
  double v = ev.Run(code, pos);
  if (millimetres) v *= MmToInch;
  return v;
}

EvalOutcome EvaluateFieldText(const std::string& text) {
  std::string t = text.empty() ? "0.0" : text;
  UpperCaseText(t);
  int code = 0, pos = 0;
  double v = EvaluateExpression(t, code, pos);
  EvalOutcome out;
  if (code == ExprOk) {
    out.ok = true;
    out.value = v;
    out.fieldText = FormatFixed(v, 5);
    return out;
  }
  size_t at = pos <= 0 ? 0 : static_cast<size_t>(pos - 1);
  if (at > t.size()) at = t.size();
  std::string marked = t.substr(0, at) + " >>" + t.substr(at);
  out.warning = std::string("Error in Expression      \n\n") + ExprErrorMessage(code) + "\n\n" + marked;
  return out;
}

double EvalEditField(Ui& ui, EditField& field) {
  EvalOutcome r = EvaluateFieldText(field.Text());
  if (r.ok) {
    field.SetText(r.fieldText);
    return r.value;
  }
  ui.Show({r.warning, MsgKind::Warning, BtnOk | BtnHelp, Answer::Ok, 100, {}});
  field.SetFocus();
  return 0;
}

}  // namespace quill
