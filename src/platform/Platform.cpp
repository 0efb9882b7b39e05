// The layer in place of the Windows controls.
