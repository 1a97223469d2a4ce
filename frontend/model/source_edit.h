// The dialog's two source edits, Begin and Loop, as the code that fills them and speaks of them names
// them, with the words its messages call each by.
#ifndef ORV_FRONTEND_MODEL_SOURCE_EDIT_H_
#define ORV_FRONTEND_MODEL_SOURCE_EDIT_H_

enum class SourceEdit { kNone, kBegin, kLoop };

// The name the dialog gives the piece of an edit in its messages ("Begin ORV").
inline const char* SourceLabel(SourceEdit edit) { return edit == SourceEdit::kLoop ? "Loop ORV" : "Begin ORV"; }

#endif  // ORV_FRONTEND_MODEL_SOURCE_EDIT_H_
