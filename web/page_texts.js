// The texts only the page has; every other text it shows comes from the module
// or stands in index.html as the window has it.

export const pageTexts = Object.freeze({
  starting: "Loading... please wait",
  copiedWords: (count) => `Copied ${count} words.`,
  copiedWord: (word) => `Copied ${word}.`,
  notCopied: "The words could not be copied.",
  removeFilter: (filter) => `Remove ${filter}`,
  notStarted: (reason) => `Anagrove could not start: ${reason}`,
});
