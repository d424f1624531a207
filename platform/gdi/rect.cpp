// Rectangle helpers of the user layer.
#include <algorithm>

#include "platform/gdi/windef.h"

BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (!r) return FALSE;
    *r = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* r) { return SetRect(r, 0, 0, 0, 0); }

BOOL CopyRect(RECT* dest, const RECT* source) {
    if (!dest || !source) return FALSE;
    *dest = *source;
    return TRUE;
}

BOOL InflateRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    *r = {r->left - dx, r->top - dy, r->right + dx, r->bottom + dy};
    return TRUE;
}

BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    *r = {r->left + dx, r->top + dy, r->right + dx, r->bottom + dy};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

BOOL PtInRect(const RECT* r, POINT p) {
    return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

BOOL EqualRect(const RECT* a, const RECT* b) { return a && b && *a == *b; }

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dest = {};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        *dest = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *dest = *a;
    } else {
        *dest = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                 std::max(a->bottom, b->bottom)};
    }
    return !IsRectEmpty(dest);
}

BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    *dest = *a;
    RECT cut;
    if (IntersectRect(&cut, a, b)) {
        if (cut.top == a->top && cut.bottom == a->bottom) {
            if (cut.left == a->left) dest->left = cut.right;
            else if (cut.right == a->right) dest->right = cut.left;
        } else if (cut.left == a->left && cut.right == a->right) {
            if (cut.top == a->top) dest->top = cut.bottom;
            else if (cut.bottom == a->bottom) dest->bottom = cut.top;
        }
    }
    if (IsRectEmpty(dest)) {
        *dest = {};
        return FALSE;
    }
    return TRUE;
}
