// A control's rectangle in its dialog's client coordinates, as the placement rules and the windowing layer
// alike work with it: right and bottom lie just past the control, as in a Windows RECT.
#ifndef ORV_FRONTEND_MODEL_RECT_H_
#define ORV_FRONTEND_MODEL_RECT_H_

struct Rect {
  int left, top, right, bottom;
};

// Whether inner lies wholly within outer, shared edges included.
inline bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

#endif  // ORV_FRONTEND_MODEL_RECT_H_
