// Replaced by the application shell.
