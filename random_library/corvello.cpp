// Corvello
