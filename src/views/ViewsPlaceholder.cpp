// Replaced by the list controllers.
