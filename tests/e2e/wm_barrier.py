#!/usr/bin/env python3
"""Returns once the window manager has acted on every event the X server gave it before this started.

It asks the window manager for the frame extents of a window of its own, never shown
(_NET_REQUEST_FRAME_EXTENTS), and waits for the answer. A window manager reads its events in the
order the server gave them, so once it answers, the keys and clicks given earlier have been handled,
and whatever it sent the program's windows because of them is on its way. Exits 1 when no answer
comes within the time-out (seconds, default 20)."""
import select
import sys
import time

from Xlib import X, display, protocol


def main():
    timeout = float(sys.argv[1]) if len(sys.argv) > 1 else 20.0
    d = display.Display()
    root = d.screen().root
    window = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.PropertyChangeMask)
    extents = d.intern_atom('_NET_FRAME_EXTENTS')
    request = protocol.event.ClientMessage(window=window, client_type=d.intern_atom('_NET_REQUEST_FRAME_EXTENTS'),
                                           data=(32, [0, 0, 0, 0, 0]))
    root.send_event(request, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.flush()
    deadline = time.monotonic() + timeout
    while True:
        while d.pending_events():
            event = d.next_event()
            if event.type == X.PropertyNotify and event.atom == extents:
                return 0
        left = deadline - time.monotonic()
        if left <= 0:
            print('the window manager did not answer in %g s' % timeout, file=sys.stderr)
            return 1
        select.select([d.fileno()], [], [], left)


if __name__ == '__main__':
    sys.exit(main())
