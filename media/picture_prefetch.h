// Pictures decoded ahead, on a second thread, while the question panel creates its controls: under Wine
// each control costs most of a millisecond of the user-interface thread, time in which the other processor
// can decode the pictures the build will ask for next.
#pragma once

#include <windows.h>

// Starts decoding resources `ids` of type "IMG", in that order, each fitted into boxWidth x boxHeight as
// LoadPictureResource fits it. Without a second thread nothing is queued and every picture is decoded when
// asked for. Any earlier queue is stopped first.
void StartPicturePrefetch(HINSTANCE module, const int* ids, int count, int boxWidth, int boxHeight);

// LoadPictureResource, served from the queue when the picture is queued (waiting for it if it is not
// decoded yet) and not taken already. A message that decoding it showed is shown now, by the caller's
// thread, as a decode of its own would.
HBITMAP LoadPictureResourceAhead(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight);

// Stops the queue: waits for the picture being decoded and deletes every bitmap nobody took, unseen.
void StopPicturePrefetch();
