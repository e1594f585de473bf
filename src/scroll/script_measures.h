// The script's word, line and syllable measures, counted again from the document text and the prompter's
// lines whenever the text or its layout changes.
#pragma once

// Counts words, lines and syllables into myWordLineArray and mySyllableArray. Nothing without a script
// or a prompter text.
void MeasureScriptText();
// The same, then repairs a syllable array whose syllables name words past the last one (counted again
// and checked once more); a repair marks the script as changed.
void MeasureAndValidateScriptText();
