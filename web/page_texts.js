// The texts only the page has; every other text it shows comes from the module
// or stands in index.html as the window has it.

export const pageTexts = Object.freeze({
  starting: "Loading... please wait",
  copiedWords: (count) => `Copied ${count} words.`,
  copiedWord: (word) => `Copied ${word}.`,
  notCopied: "The words could not be copied.",
  removeFilter: (filter) => `Remove ${filter}`,
  // The schemes' names before their scores in a row.
  schemeNames: Object.freeze({ scrabble: "Scrabble", literati: "Literati", wordmojo: "Wordmojo", custom: "custom" }),
  notStarted: (reason) => `Anagrove could not start: ${reason}`,
  // Another language's list, or the player's, while it loads.
  loadingList: (name) => `Loading the ${name} word list... please wait`,
  loadingShare: (status, share) => `${status} ${Math.floor(share * 100)}%`,
  ownList: (name) => `Own list: ${name}`,
  leftOut: (list, { notTiles, tooLong }, language) =>
    `${notTiles + tooLong} words of the list ${list} were left out: ${notTiles} not ${language} tiles, ${tooLong} over 63 tiles.`,
  tilesNote: (example) => `Type a tile of several letters in brackets, as ${example}.`,
  unknownAlphabet: (file, code) => `${file} names the alphabet "${code}", which is not one of the languages.`,
});
