#include "catalogue/TableFilter.h"

#include <cstdint>

#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

struct TableFilter::Node {
    enum Kind { Or, And, Not, Compare, Like, Field, Upper, Lower, Number, Text } kind = Number;
    std::string op;       // Compare: = <> < > <= >=
    bool negate = false;  // Like: "not like"
    int column = -1;
    std::int64_t number = 0;
    std::string text;
    std::unique_ptr<Node> left, right;
};

namespace {

using Node = TableFilter::Node;

struct Token {
    enum Kind { End, Ident, Number, Text, Op, LParen, RParen } kind = End;
    std::string text;
    std::int64_t number = 0;
};

bool IsIdentChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           c == '_';
}

class Parser {
public:
    Parser(std::string_view text, const std::vector<TableFilter::Column>& columns)
        : text_(text), columns_(columns) {
        Advance();
    }

    std::unique_ptr<Node> ParseAll() {
        auto node = ParseOr();
        if (tok_.kind != Token::End) Fail();
        return node;
    }

private:
    [[noreturn]] void Fail() const { throw EDatabaseError("Filtro inválido: " + std::string(text_)); }

    bool IsKeyword(const char* word) const { return tok_.kind == Token::Ident && SameText(tok_.text, word); }

    void Advance() {
        while (pos_ < text_.size() && IsBlank(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        tok_ = Token{};
        if (pos_ >= text_.size()) return;
        const char c = text_[pos_];
        if (c == '(' || c == ')') {
            tok_.kind = c == '(' ? Token::LParen : Token::RParen;
            ++pos_;
        } else if (c == '\'') {
            // Quoted text; a doubled quote stands for one quote character.
            tok_.kind = Token::Text;
            for (++pos_;; ++pos_) {
                if (pos_ >= text_.size()) Fail();
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        tok_.text += '\'';
                        ++pos_;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                tok_.text += text_[pos_];
            }
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            tok_.kind = Token::Number;
            const std::size_t inicio = pos_;
            if (c == '-') ++pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
            // Up to 2^31 either way, as the field's 32 bits are compared with it.
            const std::optional<std::int64_t> n = LerInteiro<std::int64_t>(text_.substr(inicio, pos_ - inicio));
            if (!n || *n > INT32_MAX + std::int64_t{1} || *n < -(INT32_MAX + std::int64_t{1})) Fail();
            tok_.number = *n;
        } else if (c == '=' || c == '<' || c == '>') {
            tok_.kind = Token::Op;
            tok_.text = c;
            ++pos_;
            if (pos_ < text_.size() && c != '=' && (text_[pos_] == '=' || (c == '<' && text_[pos_] == '>')))
                tok_.text += text_[pos_++];
        } else if (IsIdentChar(c)) {
            tok_.kind = Token::Ident;
            while (pos_ < text_.size() && IsIdentChar(text_[pos_])) tok_.text += text_[pos_++];
        } else {
            Fail();
        }
    }

    // Evaluation recurses over the tree: a bound on its size keeps the stack safe.
    std::unique_ptr<Node> Make(Node::Kind kind, std::unique_ptr<Node> left = {},
                               std::unique_ptr<Node> right = {}) {
        if (++nodes_ > kMaxNodes) Fail();
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->left = std::move(left);
        n->right = std::move(right);
        return n;
    }

    std::unique_ptr<Node> ParseOr() {
        auto node = ParseAnd();
        while (IsKeyword("or")) {
            Advance();
            node = Make(Node::Or, std::move(node), ParseAnd());
        }
        return node;
    }

    std::unique_ptr<Node> ParseAnd() {
        auto node = ParseNot();
        while (IsKeyword("and")) {
            Advance();
            node = Make(Node::And, std::move(node), ParseNot());
        }
        return node;
    }

    std::unique_ptr<Node> ParseNot() {
        if (IsKeyword("not")) {
            Advance();
            Nest nest(*this);
            return Make(Node::Not, ParseNot());
        }
        return ParseComparison();
    }

    std::unique_ptr<Node> ParseComparison() {
        auto left = ParseOperand();
        if (tok_.kind == Token::Op) {
            auto node = Make(Node::Compare, std::move(left));
            node->op = tok_.text;
            Advance();
            node->right = ParseOperand();
            return node;
        }
        bool negate = false;
        if (IsKeyword("not")) {
            negate = true;
            Advance();
            if (!IsKeyword("like")) Fail();
        }
        if (IsKeyword("like")) {
            Advance();
            auto node = Make(Node::Like, std::move(left), ParseOperand());
            node->negate = negate;
            return node;
        }
        return left;
    }

    std::unique_ptr<Node> ParseOperand() {
        if (tok_.kind == Token::LParen) {
            Advance();
            Nest nest(*this);
            auto node = ParseOr();
            if (tok_.kind != Token::RParen) Fail();
            Advance();
            return node;
        }
        if (tok_.kind == Token::Number || tok_.kind == Token::Text) {
            auto node = Make(tok_.kind == Token::Number ? Node::Number : Node::Text);
            node->number = tok_.number;
            node->text = tok_.text;
            Advance();
            return node;
        }
        if (tok_.kind != Token::Ident) Fail();
        if (IsKeyword("true") || IsKeyword("false")) {
            auto node = Make(Node::Number);
            node->number = IsKeyword("true") ? 1 : 0;
            Advance();
            return node;
        }
        const std::string name = tok_.text;
        Advance();
        if (tok_.kind == Token::LParen) {
            Node::Kind kind = Node::Upper;
            if (SameText(name, "upper"))
                kind = Node::Upper;
            else if (SameText(name, "lower"))
                kind = Node::Lower;
            else
                Fail();
            Advance();
            Nest nest(*this);
            auto node = Make(kind, ParseOr());
            if (tok_.kind != Token::RParen) Fail();
            Advance();
            return node;
        }
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (SameText(columns_[i].name, name)) {
                auto node = Make(Node::Field);
                node->column = static_cast<int>(i);
                return node;
            }
        }
        throw EDatabaseError("Campo '" + name + "' não encontrado");
    }

    struct Nest {
        explicit Nest(Parser& p) : p_(p) {
            if (++p_.depth_ > kMaxDepth) p_.Fail();
        }
        ~Nest() { --p_.depth_; }
        Parser& p_;
    };

    static constexpr int kMaxNodes = 1000;
    static constexpr int kMaxDepth = 100;

    std::string_view text_;
    const std::vector<TableFilter::Column>& columns_;
    std::size_t pos_ = 0;
    Token tok_;
    int nodes_ = 0;
    int depth_ = 0;
};

struct Value {
    enum Kind { Null, Int, Text } kind = Null;
    std::int64_t number = 0;
    std::string text;
    std::string AsText() const { return kind == Text ? text : std::to_string(number); }
    bool Truth() const { return kind == Int ? number != 0 : false; }
};

Value Eval(const Node& n, const TFieldValue* values, const std::vector<TFieldType>& types);

bool Test(const Node& n, const TFieldValue* values, const std::vector<TFieldType>& types) {
    switch (n.kind) {
        case Node::Or:
            return Test(*n.left, values, types) || Test(*n.right, values, types);
        case Node::And:
            return Test(*n.left, values, types) && Test(*n.right, values, types);
        case Node::Not:
            return !Test(*n.left, values, types);
        case Node::Compare: {
            const Value a = Eval(*n.left, values, types);
            const Value b = Eval(*n.right, values, types);
            if (a.kind == Value::Null || b.kind == Value::Null) return false;
            int cmp;
            if (a.kind == Value::Int && b.kind == Value::Int) {
                cmp = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
            } else {
                cmp = a.AsText().compare(b.AsText());
            }
            if (n.op == "=") return cmp == 0;
            if (n.op == "<>") return cmp != 0;
            if (n.op == "<") return cmp < 0;
            if (n.op == ">") return cmp > 0;
            if (n.op == "<=") return cmp <= 0;
            return cmp >= 0;
        }
        case Node::Like: {
            const Value a = Eval(*n.left, values, types);
            const Value p = Eval(*n.right, values, types);
            if (a.kind == Value::Null || p.kind == Value::Null) return false;
            return MatchLike(a.AsText(), p.AsText()) != n.negate;
        }
        default: {
            const Value v = Eval(n, values, types);
            return v.kind == Value::Text ? !v.text.empty() : v.Truth();
        }
    }
}

Value Eval(const Node& n, const TFieldValue* values, const std::vector<TFieldType>& types) {
    Value v;
    switch (n.kind) {
        case Node::Field: {
            const TFieldValue& f = values[n.column];
            if (f.null) return v;
            if (types[static_cast<std::size_t>(n.column)] == TFieldType::ftString) {
                v.kind = Value::Text;
                v.text = f.text;
            } else {
                v.kind = Value::Int;
                v.number = f.number;
            }
            return v;
        }
        case Node::Upper:
        case Node::Lower: {
            v = Eval(*n.left, values, types);
            if (v.kind == Value::Null) return v;
            v.text = n.kind == Node::Upper ? UpperCase(v.AsText()) : LowerCase(v.AsText());
            v.kind = Value::Text;
            return v;
        }
        case Node::Number:
            v.kind = Value::Int;
            v.number = n.number;
            return v;
        case Node::Text:
            v.kind = Value::Text;
            v.text = n.text;
            return v;
        default:
            v.kind = Value::Int;
            v.number = Test(n, values, types) ? 1 : 0;
            return v;
    }
}

}  // namespace

TableFilter::TableFilter() = default;
TableFilter::~TableFilter() = default;

std::unique_ptr<TableFilter> TableFilter::Compile(std::string_view Text, const std::vector<Column>& Columns) {
    if (Empty(Text)) return nullptr;
    std::unique_ptr<TableFilter> f(new TableFilter());
    f->root_ = Parser(Text, Columns).ParseAll();
    for (const Column& c : Columns) f->types_.push_back(c.type);
    return f;
}

bool TableFilter::Matches(const TFieldValue* Values) const {
    return Test(*root_, Values, types_);
}

}  // namespace nq
