#pragma once

#include <QTextDocumentFragment>
#include <optional>

class RichTextBox;

// Question n's statement cut out of the box holding the whole question document,
// with its formatting and pictures; none when its markers are missing. Leaves the
// statement selected in the box.
std::optional<QTextDocumentFragment> extractStatement(RichTextBox& document, int n);
