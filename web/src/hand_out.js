// Copying text for a chat: through the clipboard's interface where the
// browser allows it (a secure page), else through a selection copied the
// old way.

/**
 * @param {string} text
 * @returns {Promise<boolean>} whether the text was copied
 */
export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    return copied;
  }
}

/**
 * Offers a file to save, as a download.
 * @param {Blob} blob
 * @param {string} name
 */
export function saveFile(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  // The download has its own copy by then.
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}
