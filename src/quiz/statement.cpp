#include "quiz/statement.h"

#include "platform/richtext/richtextbox.h"
#include "quiz/statementrange.h"

std::optional<QTextDocumentFragment> extractStatement(RichTextBox& document, int n) {
    const std::optional<StatementRange> range = statementRange(document.plainText(), n);
    if (!range)
        return std::nullopt;
    document.select(int(range->start), int(range->length));
    return document.selectedFragment();
}
