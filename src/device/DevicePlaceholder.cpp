// Replaced by the transfer classes.
