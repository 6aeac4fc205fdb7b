// Keeps the output library buildable while its parts are added.
