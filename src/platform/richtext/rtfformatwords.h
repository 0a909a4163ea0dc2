#pragma once

#include "platform/richtext/rtfstate.h"

#include <QByteArrayView>

// The control words that set character or paragraph formatting. Each applies the
// word to the state and gives true, or gives false for a word that is none of them.
bool applyCharacterWord(RtfCharState& chars, QByteArrayView word, bool hasParameter, int parameter,
                        int defaultFont);
bool applyParagraphWord(RtfParagraphState& paragraph, QByteArrayView word, bool hasParameter,
                        int parameter);
