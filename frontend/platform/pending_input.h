// Mouse and keyboard input that waits in the thread's queue while the thread is busy elsewhere.
#ifndef ORV_FRONTEND_PLATFORM_PENDING_INPUT_H_
#define ORV_FRONTEND_PLATFORM_PENDING_INPUT_H_

// Removes every mouse message (client and non-client) and keyboard message (keys, and characters
// already made from them) that waits for the calling thread, without handling it. Painting and every
// other message stay queued. Call it while the windows the input was meant for are still disabled,
// so the system takes the clicks for clicks on disabled windows.
void DiscardPendingInput();

// Lets the thread's windows paint while it waits for something the system does not signal: waits up to
// waitMs for a message, then handles every message waiting but mouse and keyboard input, which it
// discards as DiscardPendingInput does. A request to quit is left for the message loop.
void HandleAllButInput(unsigned waitMs);

#endif  // ORV_FRONTEND_PLATFORM_PENDING_INPUT_H_
