// Voiced sounds: a formant synthesiser for the zumbel's "yum", and the
// spoken title rendered by espeak-ng and finished here.
#pragma once

#include "synth.h"

namespace datagen {

// Throws when espeak-ng is not on the PATH.
void RequireSpeechTool();
// Both sounds have silent edges; their peak level is the caller's to set.
Signal MakeYum();
Signal MakeSpokenTitle();

}  // namespace datagen
