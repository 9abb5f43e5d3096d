// The recording unit's steps that other parts of the library take.
#pragma once

namespace lumenbox {

// The palette changed (palette kinds): frames presented from now on carry
// the new colour table. Call after GraphState.ColorTable holds it.
void NoteRecordingPalette();
// The window has just opened: LUMENBOX_RECORD=path.gif starts a recording.
// Leaves the status as it was; reports a failure on standard error.
void StartRecordingFromEnvironment();
// The window is closing: ends a recording without touching the status.
void StopRecordingWithWindow();

// Makes the process's recording whole on SIGINT and SIGTERM before the
// handler that was there before runs (installed once).
void InstallRecordingSignalHandlers();

}  // namespace lumenbox
