// The dialog's two source boxes, Begin and Loop, as the code that fills them and speaks of them names
// them, with the words its messages call each by.
#ifndef ORV_FRONTEND_MODEL_SOURCE_BOX_H_
#define ORV_FRONTEND_MODEL_SOURCE_BOX_H_

enum class SourceBox { kNone, kBegin, kLoop };

// The name the dialog gives the piece of a box in its messages ("Begin ORV").
inline const char* SourceLabel(SourceBox box) { return box == SourceBox::kLoop ? "Loop ORV" : "Begin ORV"; }

#endif  // ORV_FRONTEND_MODEL_SOURCE_BOX_H_
